#include "recording_backend.h"

#include "call_log.h"

#include <cstdlib>

namespace compat::d3d9
{
namespace
{

constexpr D3DCOLOR kBlack = 0xff000000;

class RecordingFont final : public FontBackend
{
public:
    explicit RecordingFont(INT height) : height_(height) {}

    INT DrawText(std::string_view text, RECT& rect, DWORD format, D3DCOLOR,
                 const DeviceState&) override
    {
        const INT height = NominalTextHeight(text, format, height_);
        if ((format & DT_CALCRECT) != 0)
            rect.bottom = rect.top + height;
        return height;
    }

private:
    INT height_;
};

class RecordingBackend final : public DeviceBackend
{
public:
    explicit RecordingBackend(const D3DPRESENT_PARAMETERS& presentParameters)
        : width_(presentParameters.BackBufferWidth), height_(presentParameters.BackBufferHeight)
    {
    }

    bool Records() const override { return true; }
    void Record(const RecordedCall& call) override { AppendRecordedCall(call); }

    HRESULT Reset(const D3DPRESENT_PARAMETERS& presentParameters) override
    {
        width_ = presentParameters.BackBufferWidth;
        height_ = presentParameters.BackBufferHeight;
        backBuffer_ = presented_ = kBlack;
        return D3D_OK;
    }

    void Clear(std::span<const D3DRECT> rects, DWORD flags, D3DCOLOR colour, float, DWORD,
               const DeviceState&) override
    {
        if ((flags & D3DCLEAR_TARGET) != 0 && rects.empty())
            backBuffer_ = colour;
    }

    void Draw(const DrawCall&, const DeviceState&) override {}

    HRESULT Present(const RECT*, const RECT*, HWND, const DeviceState&) override
    {
        presented_ = backBuffer_;
        return D3D_OK;
    }

    std::unique_ptr<FontBackend> CreateFont(const FontDesc& desc, std::string&) override
    {
        return std::make_unique<RecordingFont>(desc.height);
    }

    HRESULT ReadPresentedImage(Image& image) override
    {
        image.width = width_;
        image.height = height_;
        image.pixels.assign(static_cast<std::size_t>(width_) * height_, presented_);
        return D3D_OK;
    }

private:
    UINT width_;
    UINT height_;
    D3DCOLOR backBuffer_ = kBlack;
    D3DCOLOR presented_ = kBlack;
};

} // namespace

std::unique_ptr<DeviceBackend> MakeRecordingBackend(const DeviceCreation& creation)
{
    return std::make_unique<RecordingBackend>(creation.presentParameters);
}

INT NominalTextHeight(std::string_view text, DWORD format, INT height)
{
    if (text.empty())
        return 0;
    const INT lineHeight = height == 0 ? 16 : std::abs(height);
    INT lines = 1;
    if ((format & DT_SINGLELINE) == 0)
        for (char c : text)
            if (c == '\n')
                ++lines;
    return lines * lineHeight;
}

} // namespace compat::d3d9
