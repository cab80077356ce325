#include "frame_metrics.h"
#include "last_error.h"

using namespace compat::win32;

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle)
{
    (void)dwExStyle; // the nominal frame does not depend on the extended style
    if (lpRect == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "AdjustWindowRectEx needs a rectangle");
        return FALSE;
    }
    if (bMenu)
    {
        Fail(ERROR_NOT_SUPPORTED, "AdjustWindowRectEx: windows with a menu bar are not supported");
        return FALSE;
    }
    const FrameInsets insets = InsetsForStyle(dwStyle);
    lpRect->left -= insets.left;
    lpRect->top -= insets.top;
    lpRect->right += insets.right;
    lpRect->bottom += insets.bottom;
    return TRUE;
}
