// The one table between DirectInput scan codes and SDL scancodes.
#include <compat/dinput.h>

#include <SDL_scancode.h>

#include <array>

namespace compat::dinput
{
namespace
{

#define KEY(dik, sdl)                                                                              \
    KeyMapping                                                                                     \
    {                                                                                              \
        DIK_##dik, SDL_SCANCODE_##sdl, #dik                                                        \
    }

constexpr std::array kKeys = {
    KEY(ESCAPE, ESCAPE),
    KEY(1, 1),
    KEY(2, 2),
    KEY(3, 3),
    KEY(4, 4),
    KEY(5, 5),
    KEY(6, 6),
    KEY(7, 7),
    KEY(8, 8),
    KEY(9, 9),
    KEY(0, 0),
    KEY(MINUS, MINUS),
    KEY(EQUALS, EQUALS),
    KEY(BACK, BACKSPACE),
    KEY(TAB, TAB),
    KEY(Q, Q),
    KEY(W, W),
    KEY(E, E),
    KEY(R, R),
    KEY(T, T),
    KEY(Y, Y),
    KEY(U, U),
    KEY(I, I),
    KEY(O, O),
    KEY(P, P),
    KEY(LBRACKET, LEFTBRACKET),
    KEY(RBRACKET, RIGHTBRACKET),
    KEY(RETURN, RETURN),
    KEY(LCONTROL, LCTRL),
    KEY(A, A),
    KEY(S, S),
    KEY(D, D),
    KEY(F, F),
    KEY(G, G),
    KEY(H, H),
    KEY(J, J),
    KEY(K, K),
    KEY(L, L),
    KEY(SEMICOLON, SEMICOLON),
    KEY(APOSTROPHE, APOSTROPHE),
    KEY(GRAVE, GRAVE),
    KEY(LSHIFT, LSHIFT),
    KEY(BACKSLASH, BACKSLASH),
    KEY(Z, Z),
    KEY(X, X),
    KEY(C, C),
    KEY(V, V),
    KEY(B, B),
    KEY(N, N),
    KEY(M, M),
    KEY(COMMA, COMMA),
    KEY(PERIOD, PERIOD),
    KEY(SLASH, SLASH),
    KEY(RSHIFT, RSHIFT),
    KEY(MULTIPLY, KP_MULTIPLY),
    KEY(LMENU, LALT),
    KEY(SPACE, SPACE),
    KEY(CAPITAL, CAPSLOCK),
    KEY(F1, F1),
    KEY(F2, F2),
    KEY(F3, F3),
    KEY(F4, F4),
    KEY(F5, F5),
    KEY(F6, F6),
    KEY(F7, F7),
    KEY(F8, F8),
    KEY(F9, F9),
    KEY(F10, F10),
    KEY(NUMLOCK, NUMLOCKCLEAR),
    KEY(SCROLL, SCROLLLOCK),
    KEY(NUMPAD7, KP_7),
    KEY(NUMPAD8, KP_8),
    KEY(NUMPAD9, KP_9),
    KEY(SUBTRACT, KP_MINUS),
    KEY(NUMPAD4, KP_4),
    KEY(NUMPAD5, KP_5),
    KEY(NUMPAD6, KP_6),
    KEY(ADD, KP_PLUS),
    KEY(NUMPAD1, KP_1),
    KEY(NUMPAD2, KP_2),
    KEY(NUMPAD3, KP_3),
    KEY(NUMPAD0, KP_0),
    KEY(DECIMAL, KP_PERIOD),
    KEY(F11, F11),
    KEY(F12, F12),
    KEY(NUMPADENTER, KP_ENTER),
    KEY(RCONTROL, RCTRL),
    KEY(DIVIDE, KP_DIVIDE),
    KEY(SYSRQ, PRINTSCREEN),
    KEY(RMENU, RALT),
    KEY(PAUSE, PAUSE),
    KEY(HOME, HOME),
    KEY(UP, UP),
    KEY(PRIOR, PAGEUP),
    KEY(LEFT, LEFT),
    KEY(RIGHT, RIGHT),
    KEY(END, END),
    KEY(DOWN, DOWN),
    KEY(NEXT, PAGEDOWN),
    KEY(INSERT, INSERT),
    KEY(DELETE, DELETE),
    KEY(LWIN, LGUI),
    KEY(RWIN, RGUI),
    KEY(APPS, APPLICATION),
};

#undef KEY

constexpr auto kSdlOfDik = []
{
    std::array<int, 256> sdl{};
    for (const KeyMapping& key : kKeys)
        sdl[key.dik] = key.sdlScancode;
    return sdl;
}();

constexpr auto kDikOfSdl = []
{
    std::array<int, SDL_NUM_SCANCODES> dik{};
    for (const KeyMapping& key : kKeys)
        dik[key.sdlScancode] = key.dik;
    return dik;
}();

} // namespace

std::span<const KeyMapping> KeyTable()
{
    return kKeys;
}

int SdlScancodeFromDik(int dik)
{
    return dik >= 0 && dik < static_cast<int>(kSdlOfDik.size()) ? kSdlOfDik[dik] : 0;
}

int DikFromSdlScancode(int sdlScancode)
{
    return sdlScancode >= 0 && sdlScancode < static_cast<int>(kDikOfSdl.size())
               ? kDikOfSdl[sdlScancode]
               : 0;
}

int DikFromName(std::string_view name)
{
    for (const KeyMapping& key : kKeys)
        if (name == key.name)
            return key.dik;
    return 0;
}

} // namespace compat::dinput
