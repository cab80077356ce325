// The command line: every option's values and every way of getting it wrong.
#include "Options.h"

#include <compat/dinput.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace
{

using capture::Options;
using capture::ParseOptions;
using capture::ParseResult;

ParseResult Parse(std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> list(args);
    return ParseOptions(list);
}

Options Parsed(std::initializer_list<std::string_view> args)
{
    ParseResult result = Parse(args);
    EXPECT_EQ(result.error, "");
    return result.options;
}

TEST(CaptureOptions, DefaultsAreThreeHundredFramesAtOneSixtiethOnAFullHdScreen)
{
    const Options options = Parsed({});
    EXPECT_EQ(options.frames, 300);
    EXPECT_DOUBLE_EQ(options.dt, 1.0 / 60.0);
    EXPECT_EQ(options.screenWidth, 1920);
    EXPECT_EQ(options.screenHeight, 1080);
    EXPECT_TRUE(options.holds.empty());
    EXPECT_TRUE(options.shots.empty());
    EXPECT_EQ(options.posesPath, "");
    EXPECT_EQ(options.artPath, "");
    EXPECT_FALSE(options.help);
}

TEST(CaptureOptions, ReadsEveryOptionWithSpaceOrEquals)
{
    const Options options = Parsed({"--frames", "42", "--dt=0.02", "--screen", "640x480",
                                    "--hold=E:0-9", "--hold", "equals:5-5", "--shot", "41:last.png",
                                    "--shot=0:first.png", "--poses=p.csv", "--art", "my art"});
    EXPECT_EQ(options.frames, 42);
    EXPECT_DOUBLE_EQ(options.dt, 0.02);
    EXPECT_EQ(options.screenWidth, 640);
    EXPECT_EQ(options.screenHeight, 480);
    ASSERT_EQ(options.holds.size(), 2u);
    EXPECT_EQ(options.holds[0].dik, DIK_E);
    EXPECT_EQ(options.holds[0].first, 0);
    EXPECT_EQ(options.holds[0].last, 9);
    // Key names are looked up in capitals.
    EXPECT_EQ(options.holds[1].dik, DIK_EQUALS);
    EXPECT_EQ(options.holds[1].name, "EQUALS");
    EXPECT_EQ(options.holds[1].first, 5);
    EXPECT_EQ(options.holds[1].last, 5);
    ASSERT_EQ(options.shots.size(), 2u);
    EXPECT_EQ(options.shots[0].frame, 41);
    EXPECT_EQ(options.shots[0].path, "last.png");
    EXPECT_EQ(options.shots[1].frame, 0);
    EXPECT_EQ(options.shots[1].path, "first.png");
    EXPECT_EQ(options.posesPath, "p.csv");
    EXPECT_EQ(options.artPath, "my art");
}

TEST(CaptureOptions, KnowsEveryKeyTheProgramReads)
{
    struct Key
    {
        std::string_view name;
        int dik;
    };
    const Key keys[] = {
        {"ESCAPE", DIK_ESCAPE}, {"R", DIK_R},       {"P", DIK_P},           {"EQUALS", DIK_EQUALS},
        {"MINUS", DIK_MINUS},   {"E", DIK_E},       {"LEFT", DIK_LEFT},     {"RIGHT", DIK_RIGHT},
        {"UP", DIK_UP},         {"DOWN", DIK_DOWN}, {"DELETE", DIK_DELETE}, {"NEXT", DIK_NEXT},
        {"HOME", DIK_HOME},     {"END", DIK_END},   {"1", DIK_1},           {"2", DIK_2},
        {"F1", DIK_F1},         {"F2", DIK_F2},     {"F3", DIK_F3},         {"A", DIK_A},
        {"D", DIK_D},           {"S", DIK_S},       {"X", DIK_X},           {"Z", DIK_Z},
        {"C", DIK_C},
    };
    for (const Key& key : keys)
    {
        const std::string hold = std::string(key.name) + ":3-4";
        const Options options = Parsed({"--hold", hold});
        ASSERT_EQ(options.holds.size(), 1u) << key.name;
        EXPECT_EQ(options.holds[0].dik, key.dik) << key.name;
    }
}

TEST(CaptureOptions, FrameTimeTakesDecimalsFractionsAndZero)
{
    EXPECT_DOUBLE_EQ(Parsed({"--dt", "1/60"}).dt, 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(Parsed({"--dt", "0.5/2"}).dt, 0.25);
    EXPECT_DOUBLE_EQ(Parsed({"--dt", "1e-3"}).dt, 0.001);
    EXPECT_DOUBLE_EQ(Parsed({"--dt", "0"}).dt, 0.0);
    EXPECT_DOUBLE_EQ(Parsed({"--dt", "60"}).dt, 60.0);
}

TEST(CaptureOptions, ScreenSidesRunFromJustAboveTheWindowFrameToTheLimit)
{
    const Options smallest = Parsed({"--screen", "51x51"});
    EXPECT_EQ(smallest.screenWidth, 51);
    EXPECT_EQ(smallest.screenHeight, 51);
    EXPECT_EQ(Parsed({"--screen", "16384x100"}).screenWidth, 16384);
}

TEST(CaptureOptions, AShotMayFallOnTheLastFrame)
{
    const Options options = Parsed({"--frames", "10", "--shot", "9:a.png"});
    ASSERT_EQ(options.shots.size(), 1u);
    EXPECT_EQ(options.shots[0].frame, 9);
}

TEST(CaptureOptions, HelpIsAskedForWithEitherSpelling)
{
    EXPECT_TRUE(Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"-h"}).help);
    EXPECT_NE(capture::Usage().find("--hold KEY:FIRST-LAST"), std::string_view::npos);
}

// Each wrong command line gives one line that names the culprit, and no options.
struct BadLine
{
    std::vector<std::string_view> args;
    std::string_view mentions;
};

class CaptureOptionErrors : public ::testing::TestWithParam<BadLine>
{
};

TEST_P(CaptureOptionErrors, NameWhatIsWrongInOneLine)
{
    const BadLine& bad = GetParam();
    const ParseResult result = ParseOptions(bad.args);
    ASSERT_NE(result.error, "");
    EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(bad.mentions), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Values, CaptureOptionErrors,
    ::testing::Values(
        // Numbers.
        BadLine{{"--frames", "ten"}, "--frames ten: not a whole number"},
        BadLine{{"--frames", "-5"}, "--frames -5: not a whole number"},
        BadLine{{"--frames", "12x"}, "not a whole number"},
        BadLine{{"--frames", "0"}, "--frames 0: must be from 1"},
        BadLine{{"--frames", "10000001"}, "must be from 1 to 10000000"},
        BadLine{{"--frames", "99999999999999999999999"}, "not a whole number"},
        BadLine{{"--dt", "fast"}, "--dt fast: not a number of seconds"},
        BadLine{{"--dt", ""}, "not a number of seconds"},
        BadLine{{"--dt", "1/0"}, "--dt 1/0: not a number of seconds"},
        BadLine{{"--dt", "1/"}, "not a number of seconds"},
        BadLine{{"--dt", "nan"}, "not a number of seconds"},
        BadLine{{"--dt", "inf"}, "not a number of seconds"},
        BadLine{{"--dt", "-0.01"}, "--dt -0.01: the clock cannot go back"},
        BadLine{{"--dt", "1e-12"}, "shorter than the clock's tick"},
        BadLine{{"--dt", "60.001"}, "--dt 60.001: longer than a minute"},
        BadLine{{"--screen", "1920"}, "--screen 1920: expected WIDTHxHEIGHT"},
        BadLine{{"--screen", "1920x"}, "expected WIDTHxHEIGHT"},
        BadLine{{"--screen", "x1080"}, "expected WIDTHxHEIGHT"},
        BadLine{{"--screen", "1920X1080"}, "expected WIDTHxHEIGHT"},
        BadLine{{"--screen", "50x600"}, "--screen 50x600: each side must be from 51"},
        BadLine{{"--screen", "800x16385"}, "each side must be from 51 to 16384"},
        // Key holds.
        BadLine{{"--hold", "E"}, "--hold E: expected KEY:FIRST-LAST"},
        BadLine{{"--hold", "THROTTLE:0-5"}, "unknown key name 'THROTTLE'"},
        BadLine{{"--hold", ":0-5"}, "unknown key name ''"},
        BadLine{{"--hold", "E:5"}, "the range '5' is not FIRST-LAST"},
        BadLine{{"--hold", "E:a-b"}, "the range 'a-b' is not FIRST-LAST"},
        BadLine{{"--hold", "E:-1-5"}, "is not FIRST-LAST"},
        BadLine{{"--hold", "E:3-"}, "is not FIRST-LAST"},
        BadLine{{"--hold", "E:9-3"}, "--hold E:9-3: the range ends before it starts"},
        // Shots.
        BadLine{{"--shot", "a.png"}, "--shot a.png: expected FRAME:FILE.png"},
        BadLine{{"--shot", "x:a.png"}, "expected FRAME:FILE.png"},
        BadLine{{"--shot", "10:a.jpg"}, "--shot 10:a.jpg: the file name must end in .png"},
        BadLine{{"--shot", "10:.png"}, "must end in .png"},
        BadLine{{"--frames", "10", "--shot", "10:a.png"}, "--shot 10:a.png: the last frame is 9"},
        BadLine{{"--shot", "300:a.png"}, "the last frame is 299"},
        // The command line's shape.
        BadLine{{"--poses", ""}, "--poses needs a file name"},
        BadLine{{"--poses"}, "--poses needs a value"},
        BadLine{{"--frames", "5", "--frames", "6"}, "--frames is given more than once"},
        BadLine{{"--dt=1", "--dt", "2"}, "--dt is given more than once"},
        BadLine{{"--screen", "99x99", "--screen=99x99"}, "--screen is given more than once"},
        BadLine{{"--poses", "a.csv", "--poses", "b.csv"}, "--poses is given more than once"},
        BadLine{{"--art", "a", "--art=b"}, "--art is given more than once"},
        BadLine{{"--art="}, "--art needs a folder"},
        BadLine{{"--fps", "60"}, "unknown option '--fps'"},
        BadLine{{"-f", "60"}, "unexpected argument '-f'"},
        BadLine{{"poses.csv"}, "unexpected argument 'poses.csv'"}));

} // namespace
