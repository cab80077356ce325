// The simulation object. For now it holds only the keyboard: Update polls it
// and asks to end the program while Esc is held; Render draws nothing.
#pragma once

#include <windows.h>

class CGraphics;
class CKeyboard;

class CWorld
{
public:
    CWorld();
    ~CWorld();

    // Builds the world and binds the keyboard to the window. On failure it
    // writes one line on stderr saying what failed.
    bool Init(HWND window);
    // Advances the world by dt seconds; false while Esc is held.
    bool Update(float dt);
    // Draws the world through the graphics object's device.
    void Render(CGraphics* graphics);

private:
    CKeyboard* m_keyboard;
};
