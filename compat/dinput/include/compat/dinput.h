// Controls of the DirectInput stand-in that DirectInput itself does not have:
// a scripted keyboard that replaces the real one for tests and the capture
// tool, the table between DIK scan codes and SDL scancodes, and the reason
// behind the last failure.
#pragma once

#include <dinput.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace compat::dinput
{

// While scripted, keyboard devices read the keys set here instead of the
// keys the message pump saw, and the foreground is whatever
// SetScriptedFocus says (for any existing window).
void UseScriptedKeyboard(bool scripted);

// Holds or releases a key (a DIK_ code, 1..255); false, with LastFailure()
// saying why, for any other code.
bool SetScriptedKey(int dik, bool down);
// Sets the key's byte of the state table as it is (0x80 is held; the low
// bits mean nothing), so tests can check that readers look at bit 7 alone.
bool SetScriptedKeyState(int dik, std::uint8_t state);
void ReleaseScriptedKeys();

// Whether the bound window counts as in the foreground (true at first).
// Going to the background makes an acquired foreground device lose its
// input, as a real focus loss does.
void SetScriptedFocus(bool inForeground);

// Scripting off, keys released, foreground on, no failure recorded.
void ResetForTests();

// One key of the standard 104-key PC keyboard.
struct KeyMapping
{
    int dik;          // DIK_ scan code
    int sdlScancode;  // SDL_Scancode
    const char* name; // the DIK_ name without its prefix: "ESCAPE", "F1", "NEXT"
};

// Every key of the keyboard, in scan code order.
std::span<const KeyMapping> KeyTable();

// The other code of a key in the table; 0 (DIK none / SDL_SCANCODE_UNKNOWN)
// for a code that is not in it.
int SdlScancodeFromDik(int dik);
int DikFromSdlScancode(int sdlScancode);
// The DIK_ code for a name as in KeyTable (case matters); 0 when unknown.
int DikFromName(std::string_view name);

// Why the last failing DirectInput call failed, one line ("" when none has).
const char* LastFailure();

} // namespace compat::dinput
