#include "window_classes.h"

#include "last_error.h"
#include "utf8.h"
#include "window_table.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace compat::win32
{
namespace
{

// Atoms of registered classes start here, as on Windows.
constexpr ATOM kFirstAtom = 0xC000;

struct Registry
{
    std::vector<WindowClass> classes;
    ATOM nextAtom = kFirstAtom;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

// MAKEINTATOM passes the atom in the pointer's low word.
bool IsAtom(LPCWSTR nameOrAtom)
{
    return reinterpret_cast<uintptr_t>(nameOrAtom) <= 0xFFFF;
}

std::vector<WindowClass>::iterator Find(LPCWSTR nameOrAtom)
{
    auto& classes = TheRegistry().classes;
    if (IsAtom(nameOrAtom))
    {
        const auto atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(nameOrAtom));
        return std::find_if(classes.begin(), classes.end(),
                            [atom](const WindowClass& c) { return c.atom == atom; });
    }
    const std::wstring_view name{nameOrAtom};
    return std::find_if(classes.begin(), classes.end(),
                        [name](const WindowClass& c) { return c.name == name; });
}

} // namespace

const WindowClass* FindWindowClass(LPCWSTR nameOrAtom)
{
    const auto found = Find(nameOrAtom);
    return found == TheRegistry().classes.end() ? nullptr : &*found;
}

std::string DescribeClassName(LPCWSTR nameOrAtom)
{
    if (IsAtom(nameOrAtom))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(nameOrAtom));
    return "\"" + ToUtf8(nameOrAtom) + "\"";
}

void UnregisterAllWindowClasses()
{
    TheRegistry() = Registry{};
}

} // namespace compat::win32

using namespace compat::win32;

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* lpwcx)
{
    if (lpwcx == nullptr || lpwcx->cbSize != sizeof(WNDCLASSEXW))
    {
        Fail(ERROR_INVALID_PARAMETER,
             "RegisterClassExW needs a WNDCLASSEXW with cbSize = sizeof(WNDCLASSEXW)");
        return 0;
    }
    if (lpwcx->lpszClassName == nullptr || IsAtom(lpwcx->lpszClassName) ||
        lpwcx->lpszClassName[0] == L'\0')
    {
        Fail(ERROR_INVALID_PARAMETER, "RegisterClassExW needs a non-empty class name");
        return 0;
    }
    const std::string shown = DescribeClassName(lpwcx->lpszClassName);
    if (lpwcx->lpfnWndProc == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "window class " + shown + " has no window procedure");
        return 0;
    }
    if (FindWindowClass(lpwcx->lpszClassName) != nullptr)
    {
        Fail(ERROR_CLASS_ALREADY_EXISTS, "window class " + shown + " is already registered");
        return 0;
    }
    Registry& registry = TheRegistry();
    if (registry.nextAtom == 0)
    {
        Fail(ERROR_NOT_ENOUGH_QUOTA, "no atom is left for window class " + shown);
        return 0;
    }
    const ATOM atom = registry.nextAtom++;
    registry.classes.push_back({lpwcx->lpszClassName, atom, lpwcx->lpfnWndProc});
    return atom;
}

BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance)
{
    (void)hInstance;
    if (lpClassName == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "UnregisterClassW needs a class name");
        return FALSE;
    }
    const auto found = Find(lpClassName);
    if (found == TheRegistry().classes.end())
    {
        Fail(ERROR_CLASS_DOES_NOT_EXIST,
             "window class " + DescribeClassName(lpClassName) + " is not registered");
        return FALSE;
    }
    if (AnyWindowOfClass(found->atom))
    {
        Fail(ERROR_CLASS_HAS_WINDOWS,
             "window class " + DescribeClassName(lpClassName) + " still has windows");
        return FALSE;
    }
    TheRegistry().classes.erase(found);
    return TRUE;
}
