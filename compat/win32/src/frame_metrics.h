// The nominal sizes of a window's non-client frame. SDL cannot tell how the
// window manager decorates a window, so the stand-in fixes them here, in one
// place: AdjustWindowRectEx, CreateWindowExW and GetWindowRect all use them.
//
//   caption bar   23 px, with WS_CAPTION
//   border         1 px on every side, with WS_BORDER (WS_CAPTION includes it)
//   sizing frame   4 px on every side instead, with WS_THICKFRAME
//
// The SDL window is the client area; the frame around it is notional.
#pragma once

#include <windows.h>

namespace compat::win32
{

inline constexpr LONG kCaptionHeight = 23;
inline constexpr LONG kBorderWidth = 1;
inline constexpr LONG kSizingFrameWidth = 4;

// How far the outer rectangle reaches beyond the client area on each side.
struct FrameInsets
{
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

constexpr FrameInsets InsetsForStyle(DWORD style)
{
    LONG frame = 0;
    if ((style & WS_THICKFRAME) != 0)
        frame = kSizingFrameWidth;
    else if ((style & WS_BORDER) != 0)
        frame = kBorderWidth;
    const LONG caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return {frame, caption + frame, frame, frame};
}

} // namespace compat::win32
