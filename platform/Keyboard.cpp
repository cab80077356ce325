#include "platform/Keyboard.h"

#include <cstring>

CKeyboard::CKeyboard() : m_directInput(nullptr), m_device(nullptr)
{
    std::memset(m_keys, 0, sizeof(m_keys));
}

CKeyboard::~CKeyboard()
{
    if (m_device)
    {
        m_device->Release();
        m_device = nullptr;
    }
    if (m_directInput)
    {
        m_directInput->Release();
        m_directInput = nullptr;
    }
}

bool CKeyboard::Create(HWND window, HINSTANCE instance)
{
    if (DirectInput8Create(instance, DIRECTINPUT_VERSION, IID_IDirectInput8W,
                           reinterpret_cast<void**>(&m_directInput), nullptr) != DI_OK)
        return false;
    if (m_directInput->CreateDevice(GUID_SysKeyboard, &m_device, nullptr) != DI_OK)
        return false;
    if (m_device->SetDataFormat(&c_dfDIKeyboard) != DI_OK)
        return false;
    if (m_device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND) != DI_OK)
        return false;
    return true;
}

bool CKeyboard::Poll()
{
    if (!m_device)
        return false;
    m_device->Acquire();
    return m_device->GetDeviceState(sizeof(m_keys), m_keys) == DI_OK;
}

bool CKeyboard::IsKeyDown(int key) const
{
    return (m_keys[key] & 0x80) != 0;
}
