// SDL's video subsystem, started the first time something needs it: a
// window, the real desktop size, a message box.
#pragma once

namespace compat::win32
{

// Starts SDL video if it is not running. On failure records
// ERROR_DEVICE_NOT_AVAILABLE with SDL's reason and returns false.
bool EnsureVideo();

// Whether SDL video is running (the message pump only pumps then: before the
// first window there is nothing SDL could tell the program).
bool VideoRunning();

// Keeps the OpenGL libraries SDL has loaded for an OpenGL window in memory
// for the rest of the process (see video.cpp).
void KeepOpenGlLibrariesLoaded();

// Stops SDL video (ResetForTests); the next EnsureVideo starts it afresh.
void StopVideo();

} // namespace compat::win32
