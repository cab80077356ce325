// yak52-render ART_FOLDER OUTPUT_FOLDER: draws the aircraft the way the
// program does at start-up (its light, ambient colour, projection, sky and
// materials; the airframe, wheels and struts at their start places) on the
// OpenGL backend in an offscreen window, and saves the picture seen from the
// front, the side and above as front.png, side.png and above.png.
// Exit status 0 when all three were written; otherwise a one-line reason on
// stderr and status 1.
#include "PngFile.h"

#include "platform/Graphics.h"
#include "platform/Window.h"
#include "render/Mesh.h"
#include "world/MeshTable.h"
#include "world/WorldInspector.h"

#include <compat/d3d9.h>
#include <compat/win32.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace
{

constexpr unsigned int kWidth = 1200;
constexpr unsigned int kHeight = 800;

// Start places: the fuselage body, the wheels, and where the struts are drawn.
const D3DXVECTOR3 kFuselage(0.0f, 5.8f, 0.1f);
const D3DXVECTOR3 kLeftWheel(1.41f, 4.9f, -0.15f);
const D3DXVECTOR3 kRightWheel(-1.41f, 4.9f, -0.15f);
const D3DXVECTOR3 kFrontWheel(0.0f, 4.8f, 1.6f);
const D3DXVECTOR3 kFrontStrutOffset(0.0f, 0.21f, -0.05f);
const D3DXVECTOR3 kLeftStrutOffset(0.125f, 0.13f, 0.015f);
const D3DXVECTOR3 kRightStrutOffset(-0.125f, 0.13f, 0.015f);

struct View
{
    const char* file;
    D3DXVECTOR3 eye;
    D3DXVECTOR3 at;
    D3DXVECTOR3 up;
};
// The program's light shines from ahead of the aircraft (towards -z) and its
// materials have no ambient part, so surfaces facing across or up are drawn
// black: the side and top views are taken from 30 degrees ahead of abeam and
// 35 degrees ahead of overhead, where the light shows the shapes. The
// aircraft's middle is about 1.2 m behind the body's centre.
const View kViews[] = {
    {"front.png", {0.0f, 6.5f, 9.8f}, {0.0f, 5.8f, -0.2f}, {0.0f, 1.0f, 0.0f}},
    {"side.png", {-7.8f, 6.6f, 3.3f}, {0.0f, 5.8f, -1.2f}, {0.0f, 1.0f, 0.0f}},
    {"above.png", {0.0f, 14.8f, 5.1f}, {0.0f, 5.8f, -1.2f}, {0.0f, 0.0f, 1.0f}},
};

int Fail(const std::string& reason)
{
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

// The start-up state of the device: world, projection, one white
// directional light shining towards -z, grey ambient.
void SetUpDevice(IDirect3DDevice9* device)
{
    D3DXMATRIX matrix;
    D3DXMatrixIdentity(&matrix);
    device->SetTransform(D3DTS_WORLD, &matrix);
    D3DXMatrixPerspectiveFovLH(&matrix, D3DX_PI / 4,
                               static_cast<float>(kWidth) / static_cast<float>(kHeight), 0.5f,
                               1000.0f);
    device->SetTransform(D3DTS_PROJECTION, &matrix);

    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse.r = light.Diffuse.g = light.Diffuse.b = light.Diffuse.a = 1.0f;
    light.Range = 1000.0f;
    D3DXVECTOR3 direction(0.0f, 0.0f, -1.0f);
    D3DXVec3Normalize(reinterpret_cast<D3DXVECTOR3*>(&light.Direction), &direction);
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    device->SetRenderState(D3DRS_AMBIENT, 0xFF7F7F7F);
}

// The world's meshes as the program loads them, but from `folder`: each file
// of the world's mesh table into the member the table names. The world holds
// nothing else and is never started; it deletes the meshes when it goes.
std::string LoadMeshes(CWorld& world, const std::string& folder)
{
    for (const MeshTableEntry& entry : CWorld::s_meshTable)
    {
        CMesh*& mesh = world.*entry.mesh;
        mesh = new CMesh();
        if (!mesh->Load((folder + "/" + GetMeshFileName(entry)).c_str()))
            return mesh->GetError();
    }
    return {};
}

void DrawAt(IDirect3DDevice9* device, CMesh& mesh, const D3DXVECTOR3& position,
            const D3DMATERIAL9& material)
{
    D3DXMATRIX world;
    D3DXMatrixTranslation(&world, position.x, position.y, position.z);
    device->SetTransform(D3DTS_WORLD, &world);
    device->SetMaterial(&material);
    DrawMesh(&mesh);
}

// One frame as the program draws its aircraft at rest: the same order,
// materials and states.
void DrawFrame(IDirect3DDevice9* device, const CWorldInspector& meshes, const View& view,
               HWND window)
{
    D3DMATERIAL9 white = {}, red = {};
    white.Diffuse.r = white.Diffuse.g = white.Diffuse.b = 1.0f;
    red.Diffuse.r = 1.0f;

    D3DXMATRIX matView;
    D3DXMatrixLookAtLH(&matView, &view.eye, &view.at, &view.up);
    device->SetTransform(D3DTS_VIEW, &matView);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                  1.0f, 0);
    device->BeginScene();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    DrawAt(device, *meshes.FuselageMesh(), kFuselage, white);
    DrawAt(device, *meshes.FrontWheelMesh(), kFrontWheel, red);
    DrawAt(device, *meshes.FrontStrutMesh(), kFrontWheel + kFrontStrutOffset, white);
    DrawAt(device, *meshes.MainStrutMesh(), kLeftWheel + kLeftStrutOffset, white);
    DrawAt(device, *meshes.MainStrutMesh(), kRightWheel + kRightStrutOffset, white);
    DrawAt(device, *meshes.LeftWheelMesh(), kLeftWheel, white);
    DrawAt(device, *meshes.RightWheelMesh(), kRightWheel, white);
    device->EndScene();
    device->Present(nullptr, nullptr, window, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: yak52-render ART_FOLDER OUTPUT_FOLDER");
    const std::string artFolder = argv[1];
    const std::filesystem::path output(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(output, error);
    if (error || !std::filesystem::is_directory(output))
        return Fail(output.string() + ": not a folder that can be written");

    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    compat::win32::SetVirtualScreenSize(1920, 1080);
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    // The renders are the back buffer as drawn, not the window's scaled picture.
    compat::d3d9::KeepBackBuffer(true);

    CWindow window;
    WindowParam windowParam = DefaultWindowParam();
    windowParam.width = kWidth;
    windowParam.height = kHeight;
    if (!window.Create(L"yak52-render", &windowParam, nullptr))
        return Fail("cannot create the offscreen window (SDL's offscreen video driver)");
    DeviceParam deviceParam = DefaultDeviceParam();
    deviceParam.width = kWidth;
    deviceParam.height = kHeight;
    CGraphics graphics;
    if (!graphics.Create(window.GetHandle(), &deviceParam))
        return Fail("cannot create the OpenGL device");
    IDirect3DDevice9* device = CGraphics::GetDevice();
    SetUpDevice(device);

    auto world = std::make_unique<CWorld>();
    if (const std::string failure = LoadMeshes(*world, artFolder); !failure.empty())
        return Fail(failure);
    const CWorldInspector meshes(*world);

    for (const View& view : kViews)
    {
        DrawFrame(device, meshes, view, window.GetHandle());
        compat::d3d9::Image image;
        if (FAILED(compat::d3d9::ReadPresentedImage(device, image)))
            return Fail("cannot read back the presented image");
        const std::string path = (output / view.file).string();
        if (const std::string failure =
                png_file::WritePng(path, image.width, image.height, image.pixels);
            !failure.empty())
            return Fail(failure);
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
