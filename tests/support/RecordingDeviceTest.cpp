#include "RecordingDeviceTest.h"

#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/d3d9.h>
#include <compat/win32.h>

void RecordingDeviceTest::SetUp()
{
    compat::win32::ResetForTests();
    compat::d3d9::ResetForTests();
    compat::win32::SetVirtualScreenSize(1920, 1080);
    compat::d3d9::SetBackend(compat::d3d9::Backend::Recording);
    m_window = new CWindow();
    ASSERT_NE(m_window->Create(L"Zarv", nullptr, nullptr), nullptr);
    m_graphics = new CGraphics();
    ASSERT_TRUE(m_graphics->Create(m_window->GetHandle(), nullptr));
}

void RecordingDeviceTest::TearDown()
{
    delete m_graphics;
    m_graphics = nullptr;
    delete m_window;
    m_window = nullptr;
    compat::d3d9::ResetForTests();
    compat::win32::ResetForTests();
}
