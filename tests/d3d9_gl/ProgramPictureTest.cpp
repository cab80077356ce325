// The whole program's start-up and frame on the OpenGL backend, chosen by
// default as the real program gets it: the light blue background and the two
// help texts in their colours and places, in the presented back buffer and
// in the window (whose client area the program makes a little smaller than
// the back buffer, so Present stretches). Through the offscreen driver, and,
// when an X display is at hand, in a real X window as the X server shows it.
#include "app/App.h"
#include "GlTest.h"
#include "Headless.h"
#include "opengl/gl_statistics.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/d3d9.h>
#include <compat/win32.h>

#include <Difference.h>
#include <XWindowPixels.h>
#include <gtest/gtest.h>

#include <cstdlib>

// Last: Xlib defines macros (None, Bool) that would break GoogleTest's names.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace gl_test
{
namespace
{

constexpr int kWidth = 1870; // the program's back buffer on a 1920×1080 screen
constexpr int kHeight = 1030;
constexpr int kInk = 100; // glyph edges blend with the sky; ink is nearer the text colour

class ProgramPicture : public ::testing::Test
{
protected:
    void SetUp() override { Fresh(); }

    void TearDown() override
    {
        AppRelease();
        host::ResetStandIns();
    }

    static void Fresh() { host::ResetStandIns(); }

    // Starts the program on `driver` and runs `frames` frames; false when it
    // does not start. What a test set between Fresh and Start stays.
    static bool Start(const char* driver, int frames = 3)
    {
        host::Headless shell;
        shell.backend = std::nullopt; // the backend follows the display, as in the program
        shell.videoDriver = driver;
        shell.SetUp();
        if (!AppInit())
            return false;
        EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::OpenGL);
        for (int i = 0; i < frames; ++i)
            EXPECT_TRUE(host::RunFrame());
        return true;
    }

    static Image Presented() { return PresentedImage(CGraphics::GetDevice()); }

    // The background, the cyan camera help at the top-left and the red key
    // help from y = 100, both centred on x = 300, in a picture `scaleX` ×
    // `scaleY` the back buffer's size. The aircraft sits in the middle; the
    // texts are looked for in the top-left corner, where it never comes.
    static void ExpectTheProgramsPicture(const Image& p, double scaleX = 1.0, double scaleY = 1.0)
    {
        for (const auto& [x, y] : {std::pair{p.width / 8, p.height * 7 / 8},
                                   {p.width - 1, 0},
                                   {0, p.height - 1},
                                   {p.width - 1, p.height - 1},
                                   {650, 50}})
            EXPECT_EQ(p.At(x, y), kSkyRgb) << x << ", " << y;
        const RECT corner{0, 0, static_cast<LONG>(640 * scaleX), static_cast<LONG>(300 * scaleY)};
        const RECT cyan = Bounds(p, {0, 255, 255}, kInk, corner);
        EXPECT_LT(cyan.top, 5);
        EXPECT_GT(cyan.bottom, 40 * scaleY);
        EXPECT_LT(cyan.bottom, 60 * scaleY);
        EXPECT_NEAR((cyan.left + cyan.right) / 2.0, 300.0 * scaleX, 4.0);
        const RECT red = Bounds(p, {255, 0, 0}, kInk, corner);
        EXPECT_GE(red.top, static_cast<LONG>(100 * scaleY));
        EXPECT_LT(red.top, 105 * scaleY);
        EXPECT_LT(red.bottom, 135 * scaleY);
        EXPECT_NEAR((red.left + red.right) / 2.0, 300.0 * scaleX, 4.0);
    }

    static void ExpectTheWindowShowsTheProgramsPicture(const Image& shown)
    {
        RECT client{};
        ASSERT_TRUE(GetClientRect(g_window->GetHandle(), &client));
        ASSERT_EQ(shown.width, client.right);
        ASSERT_EQ(shown.height, client.bottom);
        ExpectTheProgramsPicture(shown, double(shown.width) / kWidth,
                                 double(shown.height) / kHeight);
    }
};

TEST_F(ProgramPicture, OffscreenTheProgramShowsTheSkyAndBothHelpTexts)
{
    ASSERT_TRUE(Start("offscreen"));
    const Image presented = Presented();
    ASSERT_EQ(presented.width, kWidth);
    ASSERT_EQ(presented.height, kHeight);
    ExpectTheProgramsPicture(presented);
    ExpectTheWindowShowsTheProgramsPicture(ReadWindowPixels(g_window->GetHandle()));
}

// The window's pixels as the X server has them: a screenshot of the window.
Image Screenshot(HWND window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(compat::win32::SdlWindowOf(window), &info) ||
        info.subsystem != SDL_SYSWM_X11)
        return {};
    return test::ReadXWindowPixels(info.info.x11.display, info.info.x11.window);
}

TEST_F(ProgramPicture, OnXTheWindowShowsWhatTheOffscreenDriverDraws)
{
    const char* display = getenv("DISPLAY");
    if (display == nullptr || display[0] == '\0')
        GTEST_SKIP() << "needs an X display (DISPLAY is unset)";
    Display* probe = XOpenDisplay(nullptr);
    if (probe == nullptr)
        GTEST_SKIP() << "cannot open the X display " << display;
    const bool roomy = DisplayWidth(probe, DefaultScreen(probe)) >= 1920 &&
                       DisplayHeight(probe, DefaultScreen(probe)) >= 1080;
    if (!roomy)
    {
        XCloseDisplay(probe);
        GTEST_SKIP() << "the X screen is smaller than 1920x1080";
    }

    // The probe stays connected until the program is: an X server whose last
    // client leaves resets, and refuses the next one for as long as it takes.
    const bool started = Start("x11");
    XCloseDisplay(probe);
    ASSERT_TRUE(started);
    ExpectTheProgramsPicture(Presented());
    const Image shown = Screenshot(g_window->GetHandle());
    ExpectTheWindowShowsTheProgramsPicture(shown);

    AppRelease();
    Fresh();
    ASSERT_TRUE(Start("offscreen"));
    const Image offscreen = ReadWindowPixels(g_window->GetHandle());
    ASSERT_EQ(offscreen.width, shown.width);
    ASSERT_EQ(offscreen.height, shown.height);
    EXPECT_EQ(picture::Compare(shown, offscreen, 0).differing, 0)
        << "pixels that differ between X and the offscreen driver";
}

// The program's window is a little smaller than its back buffer. Its frames
// are drawn straight into it, scaled by the viewport; they must look as the
// back buffer stretched into the window looks, the help texts included.
TEST_F(ProgramPicture, AFrameScaledIntoTheWindowLooksAsTheStretchedBackBuffer)
{
    // The aircraft in the air, a second after start: sky, airframe and text.
    constexpr int kFrames = 60;
    auto run = [&](bool keep, bool& direct)
    {
        Fresh();
        compat::d3d9::KeepBackBuffer(keep);
        EXPECT_TRUE(Start("offscreen", kFrames));
        compat::d3d9::opengl::GlStatistics statistics;
        EXPECT_TRUE(compat::d3d9::opengl::StatisticsOf(CGraphics::GetDevice(), statistics));
        direct = statistics.directFrames == kFrames && statistics.stretchedFrames == 0;
        Image shown = ReadWindowPixels(g_window->GetHandle());
        AppRelease();
        return shown;
    };
    bool scaledDirect = false;
    bool stretchedDirect = true;
    const Image scaled = run(false, scaledDirect);
    const Image stretched = run(true, stretchedDirect);
    EXPECT_TRUE(scaledDirect) << "every frame drawn straight into the window";
    EXPECT_FALSE(stretchedDirect) << "every frame drawn off screen and stretched";
    ASSERT_EQ(scaled.width, stretched.width);
    ASSERT_EQ(scaled.height, stretched.height);
    ASSERT_LT(scaled.width, kWidth);

    // Pixels of a region whose colours differ by more than 8 levels.
    auto differing = [&](picture::Region region)
    { return int(picture::Compare(scaled, stretched, 8, region).differing); };
    const int all = scaled.width * scaled.height;
    const int whole = differing(scaled.Whole());
    EXPECT_LE(whole, all / 100);
    RecordProperty("differing_pixels", whole);
    // The help texts' corner alone, where thin strokes would show a fault.
    const int corner = 640 * 150;
    EXPECT_GT(Count(scaled, {0, 255, 255}, kInk) + Count(scaled, {255, 0, 0}, kInk), 500);
    const int text = differing({0, 0, 640, 150});
    EXPECT_LE(text, corner / 100);
    RecordProperty("differing_text_pixels", text);
    // And the aircraft: its nose wheel is drawn in both.
    EXPECT_GT(Count(scaled, {255, 0, 0}, 60), 500);
}

// The web page draws through WebGL 2, which is OpenGL ES 3.0 less a few
// things. The same drawing on a desktop's OpenGL ES looks as on OpenGL.
TEST_F(ProgramPicture, ThroughOpenGlEsTheProgramShowsTheSamePicture)
{
    constexpr int kFrames = 60;
    auto run = [&](bool es)
    {
        Fresh();
        compat::d3d9::UseOpenGlEs(es);
        EXPECT_TRUE(Start("offscreen", kFrames));
        compat::d3d9::opengl::GlStatistics statistics;
        EXPECT_TRUE(compat::d3d9::opengl::StatisticsOf(CGraphics::GetDevice(), statistics));
        EXPECT_EQ(statistics.openGlEs, es);
        Image shown = Presented();
        AppRelease();
        return shown;
    };
    const Image es = run(true);
    const Image core = run(false);
    ExpectTheProgramsPicture(es);
    ASSERT_EQ(es.pixels.size(), core.pixels.size());
    const int differing = int(picture::Compare(es, core, 8).differing);
    // Depth is mapped to 0..1 in the shader there, so a few edges of
    // touching faces may fall the other way.
    EXPECT_LE(differing, static_cast<int>(es.pixels.size() / 1000));
    RecordProperty("differing_pixels", differing);
}

} // namespace
} // namespace gl_test
