// The D3DX font: checks DrawTextA's arguments, records the call and hands the
// drawing to the font backend its device's backend made. Holds a reference
// to its device.
#pragma once

#include "backend.h"
#include "com_object.h"

#include <d3dx9core.h>

#include <memory>

namespace compat::d3d9
{

class Device;

class Font final : public ComObject<ID3DXFont>
{
public:
    Font(Device& device, std::unique_ptr<FontBackend> backend, FontDesc desc);
    ~Font() override;

    INT DrawTextA(ID3DXSprite* pSprite, LPCSTR pString, INT Count, LPRECT pRect, DWORD Format,
                  D3DCOLOR Color) override;

    const FontDesc& Desc() const { return desc_; }

private:
    void Traced(std::string_view method, ULONG references) override;
    INT TryDrawText(ID3DXSprite* sprite, std::string_view text, INT count, LPRECT rect,
                    DWORD format, D3DCOLOR colour);

    Device& device_;
    std::unique_ptr<FontBackend> backend_;
    FontDesc desc_;
};

} // namespace compat::d3d9
