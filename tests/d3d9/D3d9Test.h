// The fixture of the Direct3D 9 stand-in's tests: a fresh stand-in with a
// 1920×1080 virtual screen, and a device made the way the program makes it.
#pragma once

#include <compat/d3d9.h>
#include <compat/win32.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test
{

using compat::d3d9::RecordedCall;

class D3D9Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        compat::d3d9::ResetForTests();
        compat::win32::SetVirtualScreenSize(1920, 1080);
    }

    void TearDown() override
    {
        if (device_ != nullptr)
            device_->Release();
        if (d3d_ != nullptr)
            d3d_->Release();
        compat::d3d9::ResetForTests();
        compat::win32::ClearVirtualScreenSize();
    }

    // Windowed, 1870×1030, three back buffers, D24S8, immediate.
    static D3DPRESENT_PARAMETERS Params(D3DFORMAT depth = D3DFMT_D24S8)
    {
        D3DPRESENT_PARAMETERS pp{};
        pp.BackBufferWidth = 1870;
        pp.BackBufferHeight = 1030;
        pp.BackBufferFormat = D3DFMT_X8R8G8B8;
        pp.BackBufferCount = 3;
        pp.MultiSampleType = D3DMULTISAMPLE_NONE;
        pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
        pp.hDeviceWindow = Window();
        pp.Windowed = TRUE;
        pp.EnableAutoDepthStencil = TRUE;
        pp.AutoDepthStencilFormat = depth;
        pp.Flags = D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL;
        pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
        return pp;
    }

    // A window handle the stand-in never dereferences while the back buffer
    // has a size of its own.
    static HWND Window() { return reinterpret_cast<HWND>(uintptr_t{0x1000}); }

    IDirect3D9* D3D()
    {
        if (d3d_ == nullptr)
            d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        return d3d_;
    }

    IDirect3DDevice9* Device(D3DFORMAT depth = D3DFMT_D24S8)
    {
        if (device_ == nullptr)
        {
            D3DPRESENT_PARAMETERS pp = Params(depth);
            EXPECT_EQ(D3D()->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, Window(),
                                          D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_),
                      D3D_OK)
                << compat::d3d9::LastError();
        }
        return device_;
    }

    // The recorded calls with this method name, in order.
    static std::vector<RecordedCall> CallsNamed(std::string_view method)
    {
        std::vector<RecordedCall> found;
        for (const RecordedCall& call : compat::d3d9::RecordedCalls())
            if (call.method == method)
                found.push_back(call);
        return found;
    }

    static std::string DescribeAll()
    {
        std::string out;
        for (const RecordedCall& call : compat::d3d9::RecordedCalls())
            out += compat::d3d9::Describe(call) + "\n";
        return out;
    }

    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

// A vertex of the program's meshes: position and normal (D3DFVF_XYZ |
// D3DFVF_NORMAL).
struct Vertex
{
    float x, y, z;
    float nx, ny, nz;
};
inline constexpr DWORD kVertexFvf = D3DFVF_XYZ | D3DFVF_NORMAL;

} // namespace test
