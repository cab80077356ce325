// Scenes of the program's text: its font (D3DXCreateFontW with the
// program's arguments, face "Areal"), its two help texts in their
// rectangles and colours, centred (DT_CENTER), and the same texts cut by
// rectangles smaller than they are. The states are those the program's
// frame leaves when it draws its text: wireframe fill and lighting off, which
// the font's own drawing must not heed.
#include "SceneSetup.h"
#include "Scenes.h"

#include <cstring>

namespace
{

const char* const kCameraHelp =
    "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D";
const char* const kKeyHelp = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";
constexpr D3DCOLOR kCameraColour = 0xFF00FFFF;
constexpr D3DCOLOR kKeyColour = 0xFFFF0000;

struct FontRef
{
    ID3DXFont* font = nullptr;
    ~FontRef()
    {
        if (font != nullptr)
            font->Release();
    }
};

std::string CreateProgramFont(IDirect3DDevice9* device, FontRef& ref)
{
    if (D3DXCreateFontW(device, 10, 10, 20, 10, FALSE, 10, OUT_TT_ONLY_PRECIS, 10, 10, L"Areal",
                        &ref.font) != S_OK)
        return "D3DXCreateFontW failed for \"Areal\"";
    return {};
}

// As the program's text drawing: the rectangle from its top, left, width
// and height, centred, the whole string.
void DrawCentred(ID3DXFont* font, const char* text, int top, int left, int width, int height,
                 D3DCOLOR colour)
{
    RECT rect;
    rect.left = left;
    rect.top = top;
    rect.right = left + width;
    rect.bottom = top + height;
    font->DrawTextA(nullptr, text, static_cast<INT>(std::strlen(text)), &rect, DT_CENTER, colour);
}

// Begins the frame with the states the program's frame leaves behind.
void BeginTextFrame(IDirect3DDevice9* device)
{
    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
}

} // namespace

std::string DrawHelpTexts(IDirect3DDevice9* device)
{
    FontRef ref;
    std::string error = CreateProgramFont(device, ref);
    if (!error.empty())
        return error;
    BeginTextFrame(device);
    DrawCentred(ref.font, kCameraHelp, 0, 0, 600, 400, kCameraColour);
    DrawCentred(ref.font, kKeyHelp, 100, 0, 600, 200, kKeyColour);
    device->EndScene();
    return {};
}

std::string DrawClippedTexts(IDirect3DDevice9* device)
{
    FontRef ref;
    std::string error = CreateProgramFont(device, ref);
    if (!error.empty())
        return error;
    BeginTextFrame(device);
    // Narrower than the longer lines, and ending half-way down a line.
    DrawCentred(ref.font, kCameraHelp, 20, 220, 160, 35, kCameraColour);
    DrawCentred(ref.font, kKeyHelp, 150, 40, 90, 25, kKeyColour);
    device->EndScene();
    return {};
}
