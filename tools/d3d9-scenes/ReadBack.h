// The one part of the scene program that differs between its two builds: how
// a drawn frame is read back. The build against our stand-in presents the
// frame and asks the stand-in for the presented image; the Windows build
// copies the back buffer into system memory through Direct3D itself and then
// presents. CMake picks ReadBack_StandIn.cpp or ReadBack_Windows.cpp.
#pragma once

#include <Image.h>

#include <d3d9.h>

#include <string>

// What draws the pictures, for the program's report: "stand-in" or "Windows".
const char* ReadBackSide();

// Presents the frame drawn since the last call (after EndScene) and puts its
// pixels into `drawn`, opaque (the X of D3DFMT_X8R8G8B8 is no alpha); ""
// on success, else one line saying why not.
std::string PresentAndRead(IDirect3DDevice9* device, picture::Image& drawn);
