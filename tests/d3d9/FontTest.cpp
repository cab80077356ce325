// The D3DX font on the recording backend: its creation and DrawTextA
// calls are recorded, and DrawTextA answers lines × the height argument.
#include "D3d9Test.h"

#include <cstring>
#include <string>

namespace test
{
namespace
{

class Font : public D3D9Test
{
protected:
    ID3DXFont* Create(INT height = 10, LPCWSTR face = L"Areal")
    {
        ID3DXFont* font = nullptr;
        EXPECT_EQ(D3DXCreateFontW(Device(), height, 10, 20, 10, FALSE, 10, OUT_TT_ONLY_PRECIS, 10,
                                  10, face, &font),
                  S_OK)
            << compat::d3d9::LastError();
        fonts_.push_back(font);
        return font;
    }

    void TearDown() override
    {
        for (ID3DXFont* font : fonts_)
            if (font != nullptr)
                font->Release();
        D3D9Test::TearDown();
    }

    INT Draw(ID3DXFont* font, const char* text, RECT rect, DWORD format = DT_CENTER)
    {
        return font->DrawTextA(nullptr, text, static_cast<INT>(std::strlen(text)), &rect, format,
                               0xFF00FFFF);
    }

    std::vector<ID3DXFont*> fonts_;
};

TEST_F(Font, CreationIsRecordedWithItsArgumentsAndHoldsTheDevice)
{
    Device();
    compat::d3d9::ClearRecordedCalls();
    ID3DXFont* font = Create();
    ASSERT_NE(font, nullptr);
    const auto created = CallsNamed("D3DXCreateFontW");
    ASSERT_EQ(created.size(), 1u);
    const std::vector<int64_t> ints(created[0].ints.begin(),
                                    created[0].ints.begin() + created[0].intCount);
    EXPECT_EQ(ints, (std::vector<int64_t>{10, 10, 20, 10, FALSE, 10, 7, 10, 10}));
    EXPECT_EQ(created[0].Text(), "Areal");
    EXPECT_EQ(created[0].pointers[0], Device());
    EXPECT_EQ(created[0].pointers[1], font);
    EXPECT_EQ(Device()->AddRef(), 3u) << "the font holds the device";
    Device()->Release();
}

TEST_F(Font, DrawTextAnswersLinesTimesTheHeightAndIsRecorded)
{
    ID3DXFont* font = Create();
    Device()->BeginScene();
    compat::d3d9::ClearRecordedCalls();
    const char* camera = "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll "
                         "- A, D";
    EXPECT_EQ(Draw(font, camera, RECT{0, 0, 600, 400}), 50);
    const char* help = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";
    EXPECT_EQ(Draw(font, help, RECT{0, 100, 600, 300}), 30);
    EXPECT_EQ(Draw(font, "one line", RECT{0, 0, 600, 400}), 10);
    EXPECT_EQ(Draw(font, "", RECT{0, 0, 600, 400}), 0);
    EXPECT_EQ(Draw(font, "a\nb\nc", RECT{0, 0, 600, 400}, DT_SINGLELINE), 10);

    const auto drawn = CallsNamed("DrawTextA");
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(drawn[1].Text(), help);
    EXPECT_EQ(drawn[1].ints[0], static_cast<int64_t>(std::strlen(help))) << "the count as given";
    EXPECT_EQ(drawn[1].ints[1], DT_CENTER);
    EXPECT_EQ(drawn[1].ints[2], 0xFF00FFFF);
    EXPECT_EQ(drawn[1].rect.top, 100);
    EXPECT_EQ(drawn[1].rect.bottom, 300);
    EXPECT_EQ(drawn[1].result, 30);
    EXPECT_EQ(drawn[1].self, font);
    Device()->EndScene();
}

TEST_F(Font, CountLimitsTheTextAndMinusOneTakesAllOfIt)
{
    ID3DXFont* font = Create(-12);
    Device()->BeginScene();
    RECT rect{0, 0, 100, 100};
    EXPECT_EQ(font->DrawTextA(nullptr, "ab\ncd", 2, &rect, DT_LEFT, 0xFFFFFFFF), 12);
    EXPECT_EQ(CallsNamed("DrawTextA").back().Text(), "ab");
    EXPECT_EQ(font->DrawTextA(nullptr, "ab\ncd", -1, &rect, DT_LEFT, 0xFFFFFFFF), 24)
        << "a negative height is a character height: 12 per line";
    EXPECT_EQ(CallsNamed("DrawTextA").back().Text(), "ab\ncd");
    Device()->EndScene();
}

TEST_F(Font, CalcRectMeasuresWithoutAScene)
{
    ID3DXFont* font = Create();
    RECT rect{5, 20, 100, 300};
    EXPECT_EQ(font->DrawTextA(nullptr, "a\nb", -1, &rect, DT_CALCRECT, 0), 20);
    EXPECT_EQ(rect.bottom, 40);
    EXPECT_EQ(rect.top, 20);
}

TEST_F(Font, BadCallsAnswerZero)
{
    ID3DXFont* font = Create();
    RECT rect{0, 0, 100, 100};
    EXPECT_EQ(Draw(font, "outside a scene", rect), 0);
    EXPECT_NE(compat::d3d9::LastError().find("outside BeginScene"), std::string::npos);
    Device()->BeginScene();
    EXPECT_EQ(font->DrawTextA(nullptr, "text", 4, nullptr, DT_CENTER, 0), 0);
    EXPECT_EQ(font->DrawTextA(nullptr, nullptr, 4, &rect, DT_CENTER, 0), 0);
    EXPECT_EQ(font->DrawTextA(nullptr, "text", -2, &rect, DT_CENTER, 0), 0);
    Device()->EndScene();
}

TEST_F(Font, LongTextIsCutInTheRecordButMeasuredWhole)
{
    ID3DXFont* font = Create();
    Device()->BeginScene();
    std::string text(300, 'x');
    text[280] = '\n';
    EXPECT_EQ(Draw(font, text.c_str(), RECT{0, 0, 100, 100}), 20);
    const RecordedCall drawn = CallsNamed("DrawTextA").back();
    EXPECT_EQ(drawn.Text().size(), RecordedCall::kMaxText - 1);
    EXPECT_EQ(drawn.textLength, 300u);
    Device()->EndScene();
}

TEST_F(Font, CreationRefusesBadArguments)
{
    ID3DXFont* font = nullptr;
    EXPECT_EQ(D3DXCreateFontW(nullptr, 10, 10, 20, 10, FALSE, 10, 7, 10, 10, L"Areal", &font),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateFontW(Device(), 10, 10, 20, 10, FALSE, 10, 7, 10, 10, L"Areal", nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateFontW(Device(), 10, 10, 20, 10, FALSE, 10, 7, 10, 10,
                              L"A face name far longer than thirty-one characters", &font),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(font, nullptr);
}

} // namespace
} // namespace test
