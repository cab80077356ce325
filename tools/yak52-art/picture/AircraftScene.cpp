#include "AircraftScene.h"

#include "Headless.h"
#include "app/DeviceSetUp.h"
#include "render/Mesh.h"
#include "world/MeshTable.h"
#include "world/WorldInspector.h"

namespace yak52_picture
{
namespace
{

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

} // namespace

std::string AircraftScene::Open(unsigned width, unsigned height, const std::string& artFolder)
{
    // OpenGL on SDL's offscreen driver; one frame a picture, no clock and no
    // keyboard to drive.
    host::Headless pictures;
    pictures.virtualClock = false;
    pictures.scriptedKeys = false;
    // The pictures are the back buffer as drawn, not the window's scaled picture.
    pictures.keepBackBuffer = true;
    pictures.SetUp();

    WindowParam windowParam = DefaultWindowParam();
    windowParam.width = static_cast<int>(width);
    windowParam.height = static_cast<int>(height);
    if (!m_window.Create(L"yak52-render", &windowParam, nullptr))
        return "cannot create the offscreen window (SDL's offscreen video driver)";
    DeviceParam deviceParam = DefaultDeviceParam();
    deviceParam.width = static_cast<int>(width);
    deviceParam.height = static_cast<int>(height);
    if (!m_graphics.Create(m_window.GetHandle(), &deviceParam))
        return "cannot create the OpenGL device";
    AppSetUpDevice(Device(), width, height);

    m_world = std::make_unique<CWorld>();
    return LoadMeshes(*m_world, artFolder);
}

std::string AircraftScene::Draw(const View& view, D3DCOLOR clear, picture::Image& image)
{
    IDirect3DDevice9* device = Device();
    D3DMATERIAL9 white = {}, red = {};
    white.Diffuse.r = white.Diffuse.g = white.Diffuse.b = 1.0f;
    red.Diffuse.r = 1.0f;

    D3DXMATRIX matView;
    D3DXMatrixLookAtLH(&matView, &view.eye, &view.at, &view.up);
    device->SetTransform(D3DTS_VIEW, &matView);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, clear, 1.0f,
                  0);
    device->BeginScene();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    for (const CWorldInspector::StartDraw& draw : CWorldInspector(*m_world).StartDraws())
        DrawAt(device, *draw.mesh, draw.position, draw.red ? red : white);
    device->EndScene();
    device->Present(nullptr, nullptr, m_window.GetHandle(), nullptr);
    compat::d3d9::Image presented;
    if (FAILED(compat::d3d9::ReadPresentedImage(device, presented)))
        return "cannot read back the presented image";
    image = {static_cast<int>(presented.width), static_cast<int>(presented.height),
             std::move(presented.pixels)};
    return {};
}

} // namespace yak52_picture
