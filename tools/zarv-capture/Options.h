// The capture tool's command line:
//   zarv-capture [--frames N] [--dt SECONDS] [--screen WxH]
//                [--hold KEY:FIRST-LAST]... [--shot FRAME:FILE.png]...
//                [--poses FILE.csv] [--art DIR]
//   zarv-capture --help | --version
// Parsing only checks the text; whether the files can be written is checked
// when the run starts.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace capture
{

// A key held during frames first..last inclusive (frames count from 0).
struct KeyHold
{
    int dik = 0;
    std::string name; // as looked up: "ESCAPE", "F1"
    long first = 0;
    long last = 0;
};

// The presented image saved after a frame.
struct Shot
{
    long frame = 0;
    std::string path;
};

struct Options
{
    long frames = 300;
    double dt = 1.0 / 60.0;
    int screenWidth = 1920;
    int screenHeight = 1080;
    std::vector<KeyHold> holds;
    std::vector<Shot> shots;
    std::string posesPath; // empty: no poses file
    std::string artPath;   // the fifteen mesh files; empty: the art beside the tool
    bool help = false;     // --help: print the usage and run nothing
    bool version = false;  // --version: print the version and run nothing
};

// The most frames one run takes, and the longest frame time: together they
// keep the virtual clock's nanosecond counter (at most 6e17) far from
// overflowing.
inline constexpr long kMaxFrames = 10'000'000;
inline constexpr double kMaxDt = 60.0;
// The window (and so the back buffer) is 50 pixels smaller than the screen.
inline constexpr int kMinScreenSide = 51;
inline constexpr int kMaxScreenSide = 16384;

struct ParseResult
{
    Options options;
    std::string error; // one line naming what is wrong; empty when parsed
};

// Parses the arguments after the program name. `--name value` and
// `--name=value` both work; --frames, --dt, --screen, --poses and --art may
// each be given once.
ParseResult ParseOptions(std::span<const std::string_view> args);

// The usage text printed by --help.
std::string_view Usage();

} // namespace capture
