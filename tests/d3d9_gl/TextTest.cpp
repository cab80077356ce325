// ID3DXFont on the OpenGL backend: where the program's help texts land, in
// what colour, how they are clipped, and that drawing them rasterises
// nothing and takes one draw call each.
#include "GlTest.h"

#include "opengl/gl_statistics.h"
#include "text/glyph_atlas.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace gl_test
{
namespace
{

constexpr int kWidth = 800;
constexpr int kHeight = 500;
constexpr D3DCOLOR kCyan = 0xFF00FFFF;
constexpr D3DCOLOR kRed = 0xFFFF0000;
constexpr Rgb kCyanRgb{0, 255, 255};
constexpr Rgb kRedRgb{255, 0, 0};
// Glyph edges blend with the sky; ink is what is clearly nearer the text
// colour.
constexpr int kInk = 100;

constexpr const char* kCameraHelp =
    "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D";
constexpr const char* kKeyHelp = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";

class Text : public GlTest
{
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        MakeWindowAndDevice(kWidth, kHeight);
        // The program's font: cell height 10, average width 10, "Areal".
        ASSERT_EQ(D3DXCreateFontW(device_, 10, 10, 20, 10, FALSE, 10, OUT_TT_ONLY_PRECIS, 10, 10,
                                  L"Areal", &font_),
                  D3D_OK)
            << compat::d3d9::LastError();
        resources_.push_back(font_);
    }

    INT Draw(const char* text, RECT rect, D3DCOLOR colour, DWORD format = DT_CENTER)
    {
        return font_->DrawTextA(nullptr, text, static_cast<INT>(std::strlen(text)), &rect, format,
                                colour);
    }

    // The ink bounds of `count` lines of one colour, each in its band of
    // `lineHeight` rows from `top`.
    static std::vector<RECT> InkLines(const Image& picture, Rgb colour, int top, int lineHeight,
                                      int count)
    {
        std::vector<RECT> lines;
        for (int i = 0; i < count; ++i)
        {
            RECT line{picture.width, top + i * lineHeight, 0, top + (i + 1) * lineHeight};
            for (int y = line.top; y < line.bottom; ++y)
                for (int x = 0; x < picture.width; ++x)
                    if (IsInk(picture.At(x, y), colour))
                    {
                        line.left = std::min<LONG>(line.left, x);
                        line.right = std::max<LONG>(line.right, x + 1);
                    }
            lines.push_back(line);
        }
        return lines;
    }

    static bool IsInk(const Rgb& c, Rgb colour)
    {
        return std::abs(c.r - colour.r) + std::abs(c.g - colour.g) + std::abs(c.b - colour.b) <
               kInk * 3 / 2;
    }

    static int InkCount(const Image& picture, Rgb colour)
    {
        int n = 0;
        for (uint32_t p : picture.pixels)
            n += IsInk(ToRgb(p), colour) ? 1 : 0;
        return n;
    }

    ID3DXFont* font_ = nullptr;
};

TEST_F(Text, TheCameraHelpIsCyanInsideItsRectangleAndCentredOnIt)
{
    BeginFrame();
    EXPECT_EQ(Draw(kCameraHelp, {0, 0, 600, 400}, kCyan), 50) << "five lines of 10 pixels";
    device_->EndScene();
    const Image picture = PresentAndRead();

    const RECT ink = Bounds(picture, kCyanRgb, kInk);
    ASSERT_GT(ink.right, ink.left) << "no cyan at all";
    EXPECT_LE(ink.right, 600);
    EXPECT_LE(ink.bottom, 400);
    EXPECT_LT(ink.top, 5) << "the block starts at the top";
    // Nothing bluish-green outside the rectangle.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 600; x < kWidth; ++x)
            ASSERT_EQ(picture.At(x, y), kSkyRgb) << x << ", " << y;

    // Each line in its own band of the line height, from the top. A line is
    // centred with its leading space, whose advance has no ink: the ink sits
    // half a space right of the centre.
    compat::d3d9::FontDesc desc;
    desc.height = 10;
    desc.width = 10;
    desc.weight = 20;
    desc.faceName = "Areal";
    std::string whyNot;
    const auto atlas = compat::d3d9::text::GlyphAtlas::Create(desc, whyNot);
    ASSERT_NE(atlas, nullptr) << whyNot;
    const double space = atlas->GlyphFor(' ').advance;

    // The block's ink starts where that of its widest line does: the line
    // centred on 300 by its advances, then its leading space, then the first
    // glyph's own offset from the pen.
    double inkStart = 600.0;
    std::string_view help = kCameraHelp;
    for (std::size_t end = 0; !help.empty(); help.remove_prefix(std::min(end + 1, help.size())))
    {
        end = std::min(help.find('\n'), help.size());
        const std::string_view line = help.substr(0, end);
        double width = 0;
        for (char c : line)
            width += atlas->GlyphFor(c).advance;
        const std::size_t first = line.find_first_not_of(' ');
        const double start = 300.0 - width / 2 + space * static_cast<double>(first) +
                             atlas->GlyphFor(line[first]).left;
        inkStart = std::min(inkStart, start);
    }
    EXPECT_NEAR(ink.left, inkStart, 2.0) << "the block's left edge is its widest line's";

    const std::vector<RECT> lines = InkLines(picture, kCyanRgb, 0, 10, 5);
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        const RECT& line = lines[i];
        ASSERT_GT(line.right, line.left) << "a line without ink at y " << line.top;
        const double centre = i == 0 ? 300.0 : 300.0 + space / 2;
        EXPECT_NEAR((line.left + line.right) / 2.0, centre, 3.0)
            << "line " << line.left << ".." << line.right << " at y " << line.top;
    }
}

TEST_F(Text, TheKeyHelpStartsAHundredPixelsDownNotAcross)
{
    // The program's second text: top 100, left 0, 600 wide.
    BeginFrame();
    EXPECT_EQ(Draw(kKeyHelp, {0, 100, 600, 300}, kRed), 30);
    device_->EndScene();
    const Image picture = PresentAndRead();
    const RECT ink = Bounds(picture, kRedRgb, kInk);
    ASSERT_GT(ink.right, ink.left) << "no red at all";
    EXPECT_GE(ink.top, 100);
    EXPECT_LT(ink.top, 105);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 300.0, 3.0) << "centred on 300, not on 400";
    for (const RECT& line : InkLines(picture, kRedRgb, 100, 10, 3))
        EXPECT_GT(line.right, line.left) << "a line without ink at y " << line.top;
}

TEST_F(Text, TextIsClippedToItsRectangle)
{
    BeginFrame();
    // Room for two of the five lines and a half.
    EXPECT_EQ(Draw(kCameraHelp, {100, 20, 500, 45}, kCyan), 50);
    device_->EndScene();
    const Image picture = PresentAndRead();
    const RECT ink = Bounds(picture, kCyanRgb, kInk);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 45);
    EXPECT_GE(ink.left, 100);
    EXPECT_LE(ink.right, 500);
}

TEST_F(Text, AnEmptyStringDrawsNothing)
{
    BeginFrame();
    compat::d3d9::opengl::GlStatistics before;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, before));
    EXPECT_EQ(Draw("", {0, 0, 600, 400}, kCyan), 0);
    compat::d3d9::opengl::GlStatistics after;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, after));
    device_->EndScene();
    EXPECT_EQ(after.drawCalls, before.drawCalls);
    EXPECT_EQ(Count(PresentAndRead(), kSkyRgb), kWidth * kHeight);
}

TEST_F(Text, TextIsSolidAndUnlitWhateverTheDeviceStates)
{
    auto inkWith = [&](bool wireframeAndLit)
    {
        device_->SetRenderState(D3DRS_FILLMODE,
                                wireframeAndLit ? D3DFILL_WIREFRAME : D3DFILL_SOLID);
        device_->SetRenderState(D3DRS_LIGHTING, wireframeAndLit);
        device_->SetRenderState(D3DRS_CULLMODE, wireframeAndLit ? D3DCULL_CW : D3DCULL_CCW);
        BeginFrame();
        Draw(kKeyHelp, {0, 100, 600, 300}, kRed);
        device_->EndScene();
        return PresentAndRead();
    };
    const Image plain = inkWith(false);
    const Image odd = inkWith(true);
    EXPECT_GT(InkCount(plain, kRedRgb), 200);
    EXPECT_EQ(odd.pixels, plain.pixels);
}

TEST_F(Text, TheTextColourIsTheInkColour)
{
    BeginFrame(0xFF000000);
    Draw("Mmmmm", {0, 0, 600, 400}, 0xFF336699);
    device_->EndScene();
    const Image picture = PresentAndRead();
    // The fully covered pixels are the colour itself, and every other pixel
    // lies between it and the black behind.
    EXPECT_GT(Count(picture, {0x33, 0x66, 0x99}), 20);
    for (uint32_t pixel : picture.pixels)
    {
        const Rgb c = ToRgb(pixel);
        const double t = c.b / double(0x99);
        ASSERT_NEAR(c.r, t * 0x33, 2) << c;
        ASSERT_NEAR(c.g, t * 0x66, 2) << c;
    }
}

TEST_F(Text, CalcRectMeasuresWithoutDrawing)
{
    BeginFrame();
    RECT rect{10, 20, 610, 420};
    EXPECT_EQ(font_->DrawTextA(nullptr, kKeyHelp, -1, &rect, DT_CENTER | DT_CALCRECT, kRed), 30);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.bottom, 50);
    EXPECT_GT(rect.right - rect.left, 30);
    EXPECT_LT(rect.right - rect.left, 600);
    device_->EndScene();
    EXPECT_EQ(Count(PresentAndRead(), kSkyRgb), kWidth * kHeight);
}

TEST_F(Text, EachDrawTextIsOneDrawCallAndRasterisesNothing)
{
    const std::size_t rasterised = compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount();
    compat::d3d9::opengl::GlStatistics before;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, before));
    for (int frame = 0; frame < 3; ++frame)
    {
        BeginFrame();
        Draw(kCameraHelp, {0, 0, 600, 400}, kCyan);
        Draw(kKeyHelp, {0, 100, 600, 300}, kRed);
        device_->EndScene();
        ASSERT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    }
    compat::d3d9::opengl::GlStatistics after;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, after));
    EXPECT_EQ(after.drawCalls - before.drawCalls, 6u);
    EXPECT_EQ(compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount(), rasterised);
}

} // namespace
} // namespace gl_test
