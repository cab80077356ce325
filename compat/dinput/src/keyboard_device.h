// The system keyboard as a DirectInput device: a 256-byte table by scan code,
// readable while acquired; with DISCL_FOREGROUND only while the bound window
// has the keyboard focus, and a focus loss unacquires it.
#pragma once

#include <dinput.h>

namespace compat::dinput
{

class KeyboardDevice final : public IDirectInputDevice8W
{
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT SetDataFormat(LPCDIDATAFORMAT lpdf) override;
    HRESULT SetCooperativeLevel(HWND hwnd, DWORD dwFlags) override;
    HRESULT Acquire() override;
    HRESULT Unacquire() override;
    HRESULT GetDeviceState(DWORD cbData, LPVOID lpvData) override;

private:
    // Where the foreground is told, and how often it was lost there.
    struct Focus
    {
        bool inForeground;
        unsigned losses;
        bool scripted;
    };
    Focus CurrentFocus() const;
    bool Foreground() const { return (cooperation_ & DISCL_FOREGROUND) != 0; }
    void FillState(BYTE* keys) const;

    ULONG references_ = 1;
    bool formatSet_ = false;
    HWND window_ = nullptr;
    // Until SetCooperativeLevel: shared, and readable in the background.
    DWORD cooperation_ = DISCL_NONEXCLUSIVE | DISCL_BACKGROUND;
    bool acquired_ = false;
    Focus focusAtAcquire_ = {};
};

} // namespace compat::dinput
