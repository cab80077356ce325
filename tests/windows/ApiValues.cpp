// Prints, one a line, the value of every constant the stand-ins' headers
// define and the size and field offsets of every structure of the platform
// APIs that the program fills or reads. Built twice: against our headers on
// Linux and against Windows' own (mingw-w64) for Wine; the two outputs must
// be the same, or one of our headers disagrees with the real API.
#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>

#include <d3d9.h>
#include <d3dx9.h>
#include <dinput.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <type_traits>

namespace
{

template <class T> void Print(const char* name, T value)
{
    if constexpr (std::is_pointer_v<T>)
        std::printf("%s %llu\n", name,
                    static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(value)));
    else if constexpr (std::is_floating_point_v<T>)
        std::printf("%s %.9g\n", name, static_cast<double>(value));
    else
        std::printf("%s %lld\n", name, static_cast<long long>(value));
}

// A structure's size, or one field's place and size in it.
struct Layout
{
    const char* name;
    std::size_t offset;
    std::size_t size;
};

constexpr Layout MakeLayout(const char* name, std::size_t offset, std::size_t size)
{
    return {name, offset, size};
}

} // namespace

#define API_VALUE(name) Print(#name, name);
#define SIZE(type) MakeLayout("sizeof(" #type ")", 0, sizeof(type))
#define FIELD(type, field)                                                                         \
    MakeLayout(#type "." #field, offsetof(type, field), sizeof(static_cast<type*>(nullptr)->field))

// One structure a line or two, as a table reads best.
// clang-format off
const Layout kLayouts[] = {
    SIZE(POINT), FIELD(POINT, x), FIELD(POINT, y),
    SIZE(RECT), FIELD(RECT, left), FIELD(RECT, top), FIELD(RECT, right), FIELD(RECT, bottom),
    SIZE(MSG), FIELD(MSG, hwnd), FIELD(MSG, message), FIELD(MSG, wParam), FIELD(MSG, lParam),
        FIELD(MSG, time), FIELD(MSG, pt),
    SIZE(LARGE_INTEGER), FIELD(LARGE_INTEGER, QuadPart),
    SIZE(GUID), FIELD(GUID, Data1), FIELD(GUID, Data2), FIELD(GUID, Data3), FIELD(GUID, Data4),
    SIZE(WNDCLASSEXW), FIELD(WNDCLASSEXW, cbSize), FIELD(WNDCLASSEXW, style),
        FIELD(WNDCLASSEXW, lpfnWndProc), FIELD(WNDCLASSEXW, cbClsExtra),
        FIELD(WNDCLASSEXW, cbWndExtra), FIELD(WNDCLASSEXW, hInstance), FIELD(WNDCLASSEXW, hIcon),
        FIELD(WNDCLASSEXW, hCursor), FIELD(WNDCLASSEXW, hbrBackground),
        FIELD(WNDCLASSEXW, lpszMenuName), FIELD(WNDCLASSEXW, lpszClassName),
        FIELD(WNDCLASSEXW, hIconSm),
    SIZE(D3DVECTOR), FIELD(D3DVECTOR, x), FIELD(D3DVECTOR, y), FIELD(D3DVECTOR, z),
    SIZE(D3DCOLORVALUE), FIELD(D3DCOLORVALUE, r), FIELD(D3DCOLORVALUE, g),
        FIELD(D3DCOLORVALUE, b), FIELD(D3DCOLORVALUE, a),
    SIZE(D3DRECT), FIELD(D3DRECT, x1), FIELD(D3DRECT, y1), FIELD(D3DRECT, x2), FIELD(D3DRECT, y2),
    SIZE(D3DMATRIX), FIELD(D3DMATRIX, _11), FIELD(D3DMATRIX, _44),
    SIZE(D3DLIGHT9), FIELD(D3DLIGHT9, Type), FIELD(D3DLIGHT9, Diffuse),
        FIELD(D3DLIGHT9, Specular), FIELD(D3DLIGHT9, Ambient), FIELD(D3DLIGHT9, Position),
        FIELD(D3DLIGHT9, Direction), FIELD(D3DLIGHT9, Range), FIELD(D3DLIGHT9, Falloff),
        FIELD(D3DLIGHT9, Attenuation0), FIELD(D3DLIGHT9, Attenuation1),
        FIELD(D3DLIGHT9, Attenuation2), FIELD(D3DLIGHT9, Theta), FIELD(D3DLIGHT9, Phi),
    SIZE(D3DMATERIAL9), FIELD(D3DMATERIAL9, Diffuse), FIELD(D3DMATERIAL9, Ambient),
        FIELD(D3DMATERIAL9, Specular), FIELD(D3DMATERIAL9, Emissive), FIELD(D3DMATERIAL9, Power),
    SIZE(D3DPRESENT_PARAMETERS), FIELD(D3DPRESENT_PARAMETERS, BackBufferWidth),
        FIELD(D3DPRESENT_PARAMETERS, BackBufferHeight),
        FIELD(D3DPRESENT_PARAMETERS, BackBufferFormat),
        FIELD(D3DPRESENT_PARAMETERS, BackBufferCount),
        FIELD(D3DPRESENT_PARAMETERS, MultiSampleType),
        FIELD(D3DPRESENT_PARAMETERS, MultiSampleQuality), FIELD(D3DPRESENT_PARAMETERS, SwapEffect),
        FIELD(D3DPRESENT_PARAMETERS, hDeviceWindow), FIELD(D3DPRESENT_PARAMETERS, Windowed),
        FIELD(D3DPRESENT_PARAMETERS, EnableAutoDepthStencil),
        FIELD(D3DPRESENT_PARAMETERS, AutoDepthStencilFormat), FIELD(D3DPRESENT_PARAMETERS, Flags),
        FIELD(D3DPRESENT_PARAMETERS, FullScreen_RefreshRateInHz),
        FIELD(D3DPRESENT_PARAMETERS, PresentationInterval),
    SIZE(D3DDISPLAYMODE), FIELD(D3DDISPLAYMODE, Width), FIELD(D3DDISPLAYMODE, Height),
        FIELD(D3DDISPLAYMODE, RefreshRate), FIELD(D3DDISPLAYMODE, Format),
    SIZE(D3DVERTEXBUFFER_DESC), FIELD(D3DVERTEXBUFFER_DESC, Format),
        FIELD(D3DVERTEXBUFFER_DESC, Type), FIELD(D3DVERTEXBUFFER_DESC, Usage),
        FIELD(D3DVERTEXBUFFER_DESC, Pool), FIELD(D3DVERTEXBUFFER_DESC, Size),
        FIELD(D3DVERTEXBUFFER_DESC, FVF),
    SIZE(D3DINDEXBUFFER_DESC), FIELD(D3DINDEXBUFFER_DESC, Format),
        FIELD(D3DINDEXBUFFER_DESC, Type), FIELD(D3DINDEXBUFFER_DESC, Usage),
        FIELD(D3DINDEXBUFFER_DESC, Pool), FIELD(D3DINDEXBUFFER_DESC, Size),
    SIZE(D3DXVECTOR3), SIZE(D3DXQUATERNION), FIELD(D3DXQUATERNION, x), FIELD(D3DXQUATERNION, w),
    SIZE(D3DXMATRIX),
    SIZE(DIOBJECTDATAFORMAT), FIELD(DIOBJECTDATAFORMAT, pguid), FIELD(DIOBJECTDATAFORMAT, dwOfs),
        FIELD(DIOBJECTDATAFORMAT, dwType), FIELD(DIOBJECTDATAFORMAT, dwFlags),
    SIZE(DIDATAFORMAT), FIELD(DIDATAFORMAT, dwSize), FIELD(DIDATAFORMAT, dwObjSize),
        FIELD(DIDATAFORMAT, dwFlags), FIELD(DIDATAFORMAT, dwDataSize),
        FIELD(DIDATAFORMAT, dwNumObjs), FIELD(DIDATAFORMAT, rgodf),
};
// clang-format on

int main()
{
#include "ApiNames.inc"

    for (const Layout& layout : kLayouts)
        std::printf("%s at %zu, %zu bytes\n", layout.name, layout.offset, layout.size);
    return 0;
}
