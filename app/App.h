// The application shell: start-up, one frame, shutdown, and the five
// process-wide objects it owns.
#pragma once

#include <windows.h>

class CWindow;
class CGraphics;
class CWorld;
class CTextFont;
class CFrameTimer;

extern CWindow* g_window;
extern CGraphics* g_graphics;
extern CWorld* g_world;
extern CTextFont* g_textFont;
extern CFrameTimer* g_frameTimer;

// Creates the objects in order and sets the device's start-up state; true
// when everything exists and the timer has started. A failure writes one
// line on stderr saying what failed.
bool AppInit();
// Runs one frame; returns the world update's result (false: end the program).
bool AppFrame();
// The message step of one turn of the loop: takes and dispatches at most one
// window message; false once WM_QUIT has been taken. The programs that run
// the loop themselves (the capture tool, the web page) take it from here.
bool AppPumpMessage();
// The message pump: takes at most one window message per turn and runs one
// frame per turn, until the world's update ends the program or WM_QUIT was
// taken (one more frame runs after it).
void AppRun();
// Destroys the objects in order.
void AppRelease();
