// Handles the program only passes along: the module, its icon and cursor,
// stock brushes. Each is a distinct non-null dummy that nothing dereferences.
#include "last_error.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace
{

template <typename Handle> Handle Dummy(uintptr_t value)
{
    return reinterpret_cast<Handle>(value);
}

// Far from the window handles' range; each kind in its own block.
constexpr uintptr_t kModule = 0x7F000000;
constexpr uintptr_t kIcons = 0x7F100000;
constexpr uintptr_t kCursors = 0x7F200000;
constexpr uintptr_t kStockObjects = 0x7F300000;
constexpr int kLastStockObject = 19; // WHITE_BRUSH (0) to DC_PEN (19)

uintptr_t ResourceId(LPCWSTR name)
{
    // MAKEINTRESOURCEW ids live in the pointer's low word; names by string
    // share one handle.
    const auto value = reinterpret_cast<uintptr_t>(name);
    return value <= 0xFFFF ? value : 0xFFFF + 1;
}

} // namespace

HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName)
{
    (void)lpModuleName; // every module is the program itself
    return Dummy<HMODULE>(kModule);
}

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName)
{
    (void)hInstance;
    return Dummy<HICON>(kIcons + ResourceId(lpIconName) * 0x10);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    (void)hInstance;
    return Dummy<HCURSOR>(kCursors + ResourceId(lpCursorName) * 0x10);
}

HGDIOBJ WINAPI GetStockObject(int i)
{
    if (i < 0 || i > kLastStockObject)
    {
        compat::win32::Fail(ERROR_INVALID_PARAMETER,
                            "GetStockObject: " + std::to_string(i) + " is not a stock object");
        return nullptr;
    }
    return Dummy<HGDIOBJ>(kStockObjects + static_cast<uintptr_t>(i) * 0x10);
}
