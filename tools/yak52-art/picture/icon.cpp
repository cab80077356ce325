// yak52-icon ART_FOLDER SIZE:FILE.png...: the program's icon. Draws the
// aircraft at rest on the OpenGL backend in an offscreen window, seen from
// ahead, to the left and above (a three-quarter view), lit for a picture
// rather than as the program lights it, and saves it on a transparent
// background as a SIZE × SIZE RGBA PNG for each SIZE:FILE.png given.
// Exit status 0 when every file was written; otherwise a one-line reason on
// stderr and status 1 (status 2 for a wrong command line).
#include "AircraftScene.h"
#include "IconImage.h"
#include "PngFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace
{

// Drawn this large and averaged down, for smooth edges at every size.
constexpr unsigned kRenderSide = 1024;
constexpr unsigned kLargestIcon = 512;
// The model's longer side fills this much of the icon.
constexpr double kFill = 0.94;
// How dark the rim around the model is: enough to show a white aircraft on
// a white background, little enough not to look drawn round.
constexpr double kRimOpacity = 0.55;

// Ahead of the left wing and about 30 degrees above; the aircraft's middle is about
// 1.2 m behind the fuselage body's centre (5.8 m up at the start place).
const yak52_picture::View kView = {{-7.0f, 11.0f, 6.0f}, {0.0f, 5.5f, -0.9f}, {0.0f, 1.0f, 0.0f}};

struct Request
{
    unsigned size = 0;
    std::string path;
};

int Fail(int status, const std::string& reason)
{
    std::fprintf(stderr, "yak52-icon: %s\n", reason.c_str());
    return status;
}

// "SIZE:FILE.png" with SIZE from 16 to kLargestIcon; false when malformed.
bool ParseRequest(std::string_view text, Request& request)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon + 1 == text.size())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + colon, request.size);
    request.path = text.substr(colon + 1);
    return error == std::errc() && end == text.data() + colon && request.size >= 16 &&
           request.size <= kLargestIcon;
}

// A key light from above the eye's left shoulder and a weaker fill from the
// right, both white; the materials take no ambient, so the fill keeps the
// sides the key does not reach from going black.
void LightForAPicture(IDirect3DDevice9* device)
{
    const D3DXVECTOR3 toEye = kView.eye - kView.at;
    const D3DXVECTOR3 directions[] = {
        -(toEye + D3DXVECTOR3(-4.0f, 9.0f, 2.0f)),
        -(toEye + D3DXVECTOR3(9.0f, -2.0f, -3.0f)),
    };
    const float strengths[] = {0.85f, 0.3f};
    for (DWORD i = 0; i < 2; ++i)
    {
        D3DLIGHT9 light = {};
        light.Type = D3DLIGHT_DIRECTIONAL;
        light.Diffuse.r = light.Diffuse.g = light.Diffuse.b = strengths[i];
        light.Diffuse.a = 1.0f;
        light.Range = 1000.0f;
        D3DXVec3Normalize(reinterpret_cast<D3DXVECTOR3*>(&light.Direction), &directions[i]);
        device->SetLight(i, &light);
        device->LightEnable(i, TRUE);
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Request> requests;
    for (int i = 2; i < argc; ++i)
    {
        Request request;
        if (!ParseRequest(argv[i], request))
            return Fail(2, "'" + std::string(argv[i]) +
                               "' is not SIZE:FILE.png with SIZE from 16 to " +
                               std::to_string(kLargestIcon));
        requests.push_back(request);
    }
    if (argc < 3)
        return Fail(2, "usage: yak52-icon ART_FOLDER SIZE:FILE.png...");

    yak52_picture::AircraftScene scene;
    if (const std::string failure = scene.Open(kRenderSide, kRenderSide, argv[1]); !failure.empty())
        return Fail(1, failure);
    LightForAPicture(scene.Device());
    picture::Image onBlack, onWhite;
    if (const std::string failure = scene.Draw(kView, 0xFF000000, onBlack); !failure.empty())
        return Fail(1, failure);
    if (const std::string failure = scene.Draw(kView, 0xFFFFFFFF, onWhite); !failure.empty())
        return Fail(1, failure);
    const picture::Image cutOut = yak52_picture::CutOut(onBlack, onWhite);

    for (const Request& request : requests)
    {
        const picture::Image framed = yak52_picture::FramedIcon(cutOut, int(request.size), kFill);
        if (framed.width == 0)
            return Fail(1, "the aircraft is not in the picture");
        const int rimWidth = std::max(1, int(request.size / 96));
        const picture::Image icon = yak52_picture::WithRim(framed, rimWidth, kRimOpacity);
        if (const std::string failure = picture::WritePngWithAlpha(request.path, icon);
            !failure.empty())
            return Fail(1, failure);
    }
    return 0;
}
