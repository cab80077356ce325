#include "world/World.h"

#include "platform/Keyboard.h"

#include <cstdio>
#include <new>

CWorld::CWorld() : m_keyboard(nullptr) {}

CWorld::~CWorld()
{
    if (m_keyboard)
    {
        delete m_keyboard;
        m_keyboard = nullptr;
    }
}

bool CWorld::Init(HWND window)
{
    m_keyboard = new (std::nothrow) CKeyboard();
    if (!m_keyboard || !m_keyboard->Create(window, GetModuleHandleW(nullptr)))
    {
        std::fprintf(stderr, "Can't create the keyboard device\n");
        return false;
    }
    return true;
}

bool CWorld::Update(float dt)
{
    (void)dt;
    m_keyboard->Poll();
    return !m_keyboard->IsKeyDown(DIK_ESCAPE);
}

void CWorld::Render(CGraphics* graphics)
{
    (void)graphics;
}
