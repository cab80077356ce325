// One frame of the shell, as the device sees it.
#include "ShellFixture.h"

#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/dinput.h>
#include <compat/win32.h>

#include <d3d9.h>

using compat::d3d9::RecordedCall;

namespace
{
void ExpectRenderState(const RecordedCall& call, D3DRENDERSTATETYPE state, DWORD value)
{
    EXPECT_EQ(call.method, "SetRenderState") << compat::d3d9::Describe(call);
    EXPECT_EQ(call.ints[0], state) << compat::d3d9::Describe(call);
    EXPECT_EQ(call.ints[1], static_cast<int64_t>(value)) << compat::d3d9::Describe(call);
}
} // namespace

TEST_F(ShellTest, FrameClearsDrawsTheHelpTextsSetsStatesAndPresentsInOrder)
{
    ASSERT_TRUE(AppInit());
    compat::d3d9::ClearRecordedCalls();
    EXPECT_TRUE(host::RunFrame());

    // The shell's own calls: seven before the world draws, five after.
    const auto all = DrawingCalls();
    ASSERT_GE(all.size(), 12u);
    std::vector<RecordedCall> calls(all.begin(), all.begin() + 7);
    calls.insert(calls.end(), all.end() - 5, all.end());
    // The world's drawing starts by setting the view.
    if (all.size() > 12)
    {
        EXPECT_EQ(all[7].method, "SetTransform");
        EXPECT_EQ(all[7].ints[0], D3DTS_VIEW);
    }

    const RecordedCall& clear = calls[0];
    EXPECT_EQ(clear.method, "Clear");
    EXPECT_EQ(clear.ints[0], 0); // no rectangles
    EXPECT_EQ(clear.ints[1], D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL); // flags
    EXPECT_EQ(clear.ints[2], 0xFF9B9BFF);                                            // light blue
    EXPECT_EQ(clear.ints[3], 0);                                                     // stencil
    EXPECT_FLOAT_EQ(clear.floats[0], 1.0f);                                          // depth

    EXPECT_EQ(calls[1].method, "BeginScene");

    const RecordedCall& cameraHelp = calls[2];
    EXPECT_EQ(cameraHelp.method, "DrawTextA");
    EXPECT_EQ(cameraHelp.Text(),
              "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D");
    EXPECT_EQ(cameraHelp.rect.left, 0);
    EXPECT_EQ(cameraHelp.rect.top, 0);
    EXPECT_EQ(cameraHelp.rect.right, 600);
    EXPECT_EQ(cameraHelp.rect.bottom, 400);

    const RecordedCall& keyHelp = calls[3];
    EXPECT_EQ(keyHelp.method, "DrawTextA");
    EXPECT_EQ(keyHelp.Text(), "Exit - 'ESC'\nReset - 'R'\nPush - 'P'");
    // The top edge comes first in the shell's call: the text starts 100
    // pixels down, at the left edge.
    EXPECT_EQ(keyHelp.rect.left, 0);
    EXPECT_EQ(keyHelp.rect.top, 100);
    EXPECT_EQ(keyHelp.rect.right, 600);
    EXPECT_EQ(keyHelp.rect.bottom, 300);

    // DrawTextA(sprite, text, count, rect, format, colour): both centred,
    // cyan then red, with the whole string's length.
    EXPECT_EQ(cameraHelp.ints[0], 74);
    EXPECT_EQ(cameraHelp.ints[1], DT_CENTER);
    EXPECT_EQ(cameraHelp.ints[2], 0xFF00FFFF);
    EXPECT_EQ(keyHelp.ints[0], 35);
    EXPECT_EQ(keyHelp.ints[1], DT_CENTER);
    EXPECT_EQ(keyHelp.ints[2], 0xFFFF0000);

    ExpectRenderState(calls[4], D3DRS_CULLMODE, D3DCULL_NONE);
    ExpectRenderState(calls[5], D3DRS_LIGHTING, TRUE);
    ExpectRenderState(calls[6], D3DRS_FILLMODE, D3DFILL_SOLID);
    // After the world: lighting off and wireframe, which stay in force over
    // the next frame's help text.
    ExpectRenderState(calls[7], D3DRS_LIGHTING, FALSE);
    ExpectRenderState(calls[8], D3DRS_FILLMODE, D3DFILL_WIREFRAME);

    EXPECT_EQ(calls[9].method, "SetTexture");
    EXPECT_EQ(calls[9].ints[0], 0);
    EXPECT_EQ(calls[9].pointers[0], nullptr);
    EXPECT_EQ(calls[10].method, "EndScene");

    const RecordedCall& present = calls[11];
    EXPECT_EQ(present.method, "Present");
    ASSERT_EQ(present.pointerCount, 4);
    EXPECT_EQ(present.pointers[0], nullptr);
    EXPECT_EQ(present.pointers[1], nullptr);
    EXPECT_EQ(present.pointers[2], g_window->GetHandle());
    EXPECT_EQ(present.pointers[3], nullptr);
}

TEST_F(ShellTest, EscEndsTheProgramAfterAFullyDrawnFrame)
{
    ASSERT_TRUE(AppInit());
    compat::win32::AdvanceVirtualClock(1000);
    EXPECT_TRUE(AppFrame());

    compat::dinput::SetScriptedKey(DIK_ESCAPE, true);
    compat::d3d9::ClearRecordedCalls();
    compat::win32::AdvanceVirtualClock(1000);
    EXPECT_FALSE(AppFrame());
    // The frame that saw Esc is still cleared, drawn and presented.
    EXPECT_EQ(CallsNamed("Clear").size(), 1u);
    EXPECT_EQ(CallsNamed("DrawTextA").size(), 2u);
    EXPECT_EQ(CallsNamed("Present").size(), 1u);
}

TEST_F(ShellTest, CloseRequestRunsOneMoreFrameThenShutsDownInOrder)
{
    ASSERT_TRUE(AppInit());
    HWND window = g_window->GetHandle();
    IDirect3DDevice9* device = CGraphics::GetDevice();
    const auto fontCreation = CallsNamed("D3DXCreateFontW").at(0);
    const void* font = fontCreation.pointers[fontCreation.pointerCount - 1];
    const void* direct3D = CallsNamed("CreateDevice").at(0).self;
    compat::d3d9::ClearRecordedCalls();

    compat::win32::RequestClose(window);
    AppRun();

    // The turn that took WM_CLOSE destroyed the window (WM_DESTROY posts
    // WM_QUIT); the turn that took WM_QUIT ran one more frame; then the
    // loop ended.
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(CallsNamed("Present").size(), 2u);

    compat::d3d9::ClearRecordedCalls();
    AppRelease();
    EXPECT_EQ(g_frameTimer, nullptr);
    EXPECT_EQ(g_textFont, nullptr);
    EXPECT_EQ(g_world, nullptr);
    EXPECT_EQ(g_graphics, nullptr);
    EXPECT_EQ(g_window, nullptr);
    EXPECT_EQ(CGraphics::GetDevice(), nullptr);

    // Font first, then the device, then the Direct3D object that made it.
    // (The world's mesh buffers go in between, with the world.)
    std::vector<const void*> finalReleases;
    for (const auto& call : CallsNamed("Release"))
        if (call.result == 0)
            finalReleases.push_back(call.self);
    ASSERT_GE(finalReleases.size(), 3u);
    EXPECT_EQ(finalReleases.front(), font);
    EXPECT_EQ(finalReleases[finalReleases.size() - 2], device);
    EXPECT_EQ(finalReleases.back(), direct3D);
}
