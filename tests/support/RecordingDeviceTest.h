// The program's window and graphics device on the Direct3D stand-in's
// recording backend, on a 1920×1080 virtual screen, with the stand-ins reset
// before and after: what the tests of mesh objects, poses and the world draw
// on, with no GPU and no display (SDL's offscreen driver).
#pragma once

#include <gtest/gtest.h>

class CWindow;
class CGraphics;

class RecordingDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    // Destroys the graphics object (if the test has not) and the window.
    void TearDown() override;

    CWindow* m_window = nullptr;
    CGraphics* m_graphics = nullptr;
};
