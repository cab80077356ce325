// The table between DIK scan codes and SDL scancodes.
#include <compat/dinput.h>

#include <SDL_scancode.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{

using compat::dinput::DikFromName;
using compat::dinput::DikFromSdlScancode;
using compat::dinput::KeyTable;
using compat::dinput::SdlScancodeFromDik;

TEST(KeyTableTest, CoversTheWholeKeyboardWithoutDuplicates)
{
    std::set<int> diks, scancodes;
    std::set<std::string> names;
    for (const auto& key : KeyTable())
    {
        EXPECT_GT(key.dik, 0);
        EXPECT_LT(key.dik, 256);
        EXPECT_NE(key.sdlScancode, SDL_SCANCODE_UNKNOWN) << key.name;
        EXPECT_TRUE(diks.insert(key.dik).second) << "DIK " << key.dik << " twice";
        EXPECT_TRUE(scancodes.insert(key.sdlScancode).second) << key.name << "'s scancode twice";
        EXPECT_TRUE(names.insert(key.name).second) << key.name << " twice";
    }
    EXPECT_EQ(KeyTable().size(), 104u);
}

TEST(KeyTableTest, EveryKeyRoundTripsBothWays)
{
    for (const auto& key : KeyTable())
    {
        EXPECT_EQ(SdlScancodeFromDik(key.dik), key.sdlScancode) << key.name;
        EXPECT_EQ(DikFromSdlScancode(key.sdlScancode), key.dik) << key.name;
        EXPECT_EQ(DikFromSdlScancode(SdlScancodeFromDik(key.dik)), key.dik) << key.name;
        EXPECT_EQ(DikFromName(key.name), key.dik) << key.name;
    }
}

TEST(KeyTableTest, KeysThatShareALegendStayApart)
{
    // Main-row digits and keypad digits, main Enter and keypad Enter, the
    // editing block and the keypad's second functions, left and right.
    const struct
    {
        int dik;
        SDL_Scancode sdl;
    } pairs[] = {
        {DIK_ESCAPE, SDL_SCANCODE_ESCAPE},
        {DIK_1, SDL_SCANCODE_1},
        {DIK_2, SDL_SCANCODE_2},
        {DIK_0, SDL_SCANCODE_0},
        {DIK_NUMPAD1, SDL_SCANCODE_KP_1},
        {DIK_MINUS, SDL_SCANCODE_MINUS},
        {DIK_SUBTRACT, SDL_SCANCODE_KP_MINUS},
        {DIK_EQUALS, SDL_SCANCODE_EQUALS},
        {DIK_RETURN, SDL_SCANCODE_RETURN},
        {DIK_NUMPADENTER, SDL_SCANCODE_KP_ENTER},
        {DIK_HOME, SDL_SCANCODE_HOME},
        {DIK_NUMPAD7, SDL_SCANCODE_KP_7},
        {DIK_END, SDL_SCANCODE_END},
        {DIK_PRIOR, SDL_SCANCODE_PAGEUP},
        {DIK_NEXT, SDL_SCANCODE_PAGEDOWN},
        {DIK_DELETE, SDL_SCANCODE_DELETE},
        {DIK_DECIMAL, SDL_SCANCODE_KP_PERIOD},
        {DIK_UP, SDL_SCANCODE_UP},
        {DIK_DOWN, SDL_SCANCODE_DOWN},
        {DIK_LEFT, SDL_SCANCODE_LEFT},
        {DIK_RIGHT, SDL_SCANCODE_RIGHT},
        {DIK_NUMPAD8, SDL_SCANCODE_KP_8},
        {DIK_LCONTROL, SDL_SCANCODE_LCTRL},
        {DIK_RCONTROL, SDL_SCANCODE_RCTRL},
        {DIK_LMENU, SDL_SCANCODE_LALT},
        {DIK_RMENU, SDL_SCANCODE_RALT},
        {DIK_LWIN, SDL_SCANCODE_LGUI},
        {DIK_APPS, SDL_SCANCODE_APPLICATION},
        {DIK_SLASH, SDL_SCANCODE_SLASH},
        {DIK_DIVIDE, SDL_SCANCODE_KP_DIVIDE},
        {DIK_F1, SDL_SCANCODE_F1},
        {DIK_F10, SDL_SCANCODE_F10},
        {DIK_F11, SDL_SCANCODE_F11},
        {DIK_F12, SDL_SCANCODE_F12},
        {DIK_SYSRQ, SDL_SCANCODE_PRINTSCREEN},
        {DIK_PAUSE, SDL_SCANCODE_PAUSE},
    };
    for (const auto& [dik, sdl] : pairs)
    {
        EXPECT_EQ(SdlScancodeFromDik(dik), sdl) << "DIK " << dik;
        EXPECT_EQ(DikFromSdlScancode(sdl), dik) << "SDL scancode " << sdl;
    }
}

TEST(KeyTableTest, CodesOutsideTheTableMapToNothing)
{
    EXPECT_EQ(SdlScancodeFromDik(0), 0);
    EXPECT_EQ(SdlScancodeFromDik(0x54), 0); // no key of the 104 sends it
    EXPECT_EQ(SdlScancodeFromDik(-1), 0);
    EXPECT_EQ(SdlScancodeFromDik(256), 0);
    EXPECT_EQ(DikFromSdlScancode(SDL_SCANCODE_F24), 0);
    EXPECT_EQ(DikFromSdlScancode(SDL_NUM_SCANCODES), 0);
    EXPECT_EQ(DikFromSdlScancode(-3), 0);
    EXPECT_EQ(DikFromName("escape"), 0);
    EXPECT_EQ(DikFromName("DIK_ESCAPE"), 0);
    EXPECT_EQ(DikFromName(""), 0);
}

TEST(KeyTableTest, NamesAreTheDikNamesWithoutPrefix)
{
    EXPECT_EQ(DikFromName("ESCAPE"), DIK_ESCAPE);
    EXPECT_EQ(DikFromName("NEXT"), DIK_NEXT);
    EXPECT_EQ(DikFromName("EQUALS"), DIK_EQUALS);
    EXPECT_EQ(DikFromName("1"), DIK_1);
    EXPECT_EQ(DikFromName("F3"), DIK_F3);
    EXPECT_EQ(DikFromName("DELETE"), DIK_DELETE);
}

} // namespace
