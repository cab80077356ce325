#include "font.h"

#include <compat/call_timing.h>
#include "device.h"
#include "errors.h"

#include <cstring>

namespace compat::d3d9
{
namespace
{

// LF_FACESIZE: a face name has at most 31 characters.
constexpr std::size_t kMaxFaceName = 31;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800)
    {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else
    {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    for (wchar_t c : text)
        AppendUtf8(out, c < 0 || c > 0x10ffff ? U'\ufffd' : static_cast<char32_t>(c));
    return out;
}

} // namespace

Font::Font(Device& device, std::unique_ptr<FontBackend> backend, FontDesc desc)
    : device_(device), backend_(std::move(backend)), desc_(std::move(desc))
{
    device_.Hold();
}

Font::~Font()
{
    backend_.reset();
    device_.Unhold();
}

void Font::Traced(std::string_view method, ULONG references)
{
    device_.Trace(method, this,
                  [&](CallBuilder& c) { c.Result(static_cast<int32_t>(references)); });
}

INT Font::DrawTextA(ID3DXSprite* pSprite, LPCSTR pString, INT Count, LPRECT pRect, DWORD Format,
                    D3DCOLOR Color)
{
    const timing::TimedCall timed(timing::Call::text, &device_.Backend());
    std::string_view text;
    if (pString != nullptr && Count >= 0)
        text = std::string_view(pString, strnlen(pString, static_cast<std::size_t>(Count)));
    else if (pString != nullptr && Count == -1)
        text = std::string_view(pString);
    const RECT given = pRect != nullptr ? *pRect : RECT{};
    const INT height = TryDrawText(pSprite, text, Count, pRect, Format, Color);
    device_.Trace("DrawTextA", this,
                  [&](CallBuilder& c)
                  {
                      c.Int(Count).Int(Format).Int(Color).Pointer(pSprite).Text(text).Result(
                          height);
                      if (pRect != nullptr)
                          c.Rect(given);
                  });
    return height;
}

INT Font::TryDrawText(ID3DXSprite* sprite, std::string_view text, INT count, LPRECT rect,
                      DWORD format, D3DCOLOR colour)
{
    if (text.data() == nullptr)
    {
        Fail(D3DERR_INVALIDCALL, "DrawTextA: %s", count < -1 ? "Count is below -1" : "no text");
        return 0;
    }
    if (rect == nullptr)
    {
        Fail(D3DERR_INVALIDCALL, "DrawTextA: pRect is null");
        return 0;
    }
    if (sprite != nullptr)
    {
        Fail(D3DERR_INVALIDCALL, "DrawTextA: sprites are not supported; pass null");
        return 0;
    }
    if ((format & DT_CALCRECT) == 0 && !device_.State().inScene)
    {
        Fail(D3DERR_INVALIDCALL, "DrawTextA: called outside BeginScene/EndScene");
        return 0;
    }
    return backend_->DrawText(text, *rect, format, colour, device_.State());
}

} // namespace compat::d3d9

HRESULT WINAPI D3DXCreateFontW(IDirect3DDevice9* pDevice, INT Height, UINT Width, UINT Weight,
                               UINT MipLevels, BOOL Italic, DWORD CharSet, DWORD OutputPrecision,
                               DWORD Quality, DWORD PitchAndFamily, LPCWSTR pFaceName,
                               ID3DXFont** ppFont)
{
    using namespace compat::d3d9;
    auto* device = dynamic_cast<Device*>(pDevice);
    const compat::timing::TimedCall timed(compat::timing::Call::fonts,
                                          device != nullptr ? &device->Backend() : nullptr);
    if (ppFont != nullptr)
        *ppFont = nullptr;
    if (device == nullptr)
        return Fail(D3DERR_INVALIDCALL, "D3DXCreateFontW: %s",
                    pDevice == nullptr ? "pDevice is null" : "pDevice is not a device of ours");

    const std::wstring_view face = pFaceName != nullptr ? pFaceName : L"";
    FontDesc desc{Height,  Width,           Weight,  MipLevels,      Italic,
                  CharSet, OutputPrecision, Quality, PitchAndFamily, ToUtf8(face)};
    HRESULT hr = D3D_OK;
    std::unique_ptr<FontBackend> backend;
    if (ppFont == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "D3DXCreateFontW: ppFont is null");
    else if (face.size() > kMaxFaceName)
        hr = Fail(D3DERR_INVALIDCALL, "D3DXCreateFontW: face name \"%s\" is longer than %zu",
                  desc.faceName.c_str(), kMaxFaceName);
    else
    {
        std::string whyNot;
        backend = device->Backend().CreateFont(desc, whyNot);
        if (backend == nullptr)
            hr = Fail(D3DERR_NOTAVAILABLE, "D3DXCreateFontW: %s", whyNot.c_str());
        else
            *ppFont = new Font(*device, std::move(backend), desc);
    }
    device->Trace("D3DXCreateFontW", nullptr,
                  [&](CallBuilder& c)
                  {
                      c.Int(Height).Int(Width).Int(Weight).Int(MipLevels).Int(Italic).Int(CharSet);
                      c.Int(OutputPrecision).Int(Quality).Int(PitchAndFamily);
                      c.Pointer(pDevice).Pointer(ppFont != nullptr ? *ppFont : nullptr);
                      c.Text(desc.faceName).Result(hr);
                  });
    return hr;
}
