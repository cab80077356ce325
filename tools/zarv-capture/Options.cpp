#include "Options.h"

#include <compat/dinput.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace capture
{
namespace
{

constexpr std::string_view kUsage =
    "usage: zarv-capture [--frames N] [--dt SECONDS] [--screen WxH]\n"
    "                    [--hold KEY:FIRST-LAST]... [--shot FRAME:FILE.png]...\n"
    "                    [--poses FILE.csv] [--art DIR]\n"
    "       zarv-capture --help | --version\n"
    "Runs the program offscreen on a virtual clock and a scripted keyboard.\n"
    "  --frames N            frames to run (default 300)\n"
    "  --dt SECONDS          frame time, a decimal or a fraction such as 1/60 (default 1/60)\n"
    "  --screen WxH          the virtual primary screen (default 1920x1080)\n"
    "  --hold KEY:FIRST-LAST hold a key (DIK name: ESCAPE, R, EQUALS, F1, ...) during\n"
    "                        frames FIRST to LAST inclusive; frames count from 0\n"
    "  --shot FRAME:FILE.png save the presented image after that frame\n"
    "  --poses FILE.csv      write frame,time,body,x,y,z,qx,qy,qz,qw after every frame\n"
    "  --art DIR             read the fifteen mesh files from DIR\n"
    "  --help, --version     print this text or the version, and run nothing\n"
    "It works from any folder. Without --art it reads the installed art,\n"
    "../share/zarv/art/3d/yak_52/ beside its own folder, when there is one, and\n"
    "otherwise the build tree's, ../art/3d/yak_52/ from its own folder, where the\n"
    "program is built. Relative paths are taken from the folder it was started\n"
    "in. Exit status: 0 when every frame ran or Esc ended the run, 1 when\n"
    "start-up or writing failed, 2 for a wrong command line.\n";

// A whole number made of digits only (no sign, no spaces).
std::optional<long> ParseCount(std::string_view text)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front())))
        return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A finite decimal ("0.02", "1e-3") or a fraction of two of them ("1/60").
std::optional<double> ParseSeconds(std::string_view text)
{
    auto decimal = [](std::string_view part) -> std::optional<double>
    {
        double value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() ||
            !std::isfinite(value))
            return std::nullopt;
        return value;
    };
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return decimal(text);
    const auto numerator = decimal(text.substr(0, slash));
    const auto denominator = decimal(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0.0)
        return std::nullopt;
    return *numerator / *denominator;
}

std::string Quoted(std::string_view option, std::string_view value)
{
    return std::string(option) + " " + std::string(value);
}

class Parser
{
public:
    std::string Frames(std::string_view value)
    {
        const auto count = ParseCount(value);
        if (!count)
            return Quoted("--frames", value) + ": not a whole number";
        if (*count < 1 || *count > kMaxFrames)
            return Quoted("--frames", value) + ": must be from 1 to " + std::to_string(kMaxFrames);
        m_options.frames = *count;
        return {};
    }

    std::string Dt(std::string_view value)
    {
        const auto seconds = ParseSeconds(value);
        if (!seconds)
            return Quoted("--dt", value) + ": not a number of seconds";
        if (*seconds < 0.0)
            return Quoted("--dt", value) + ": the clock cannot go back";
        if (*seconds > 0.0 && *seconds < 1e-9)
            return Quoted("--dt", value) + ": shorter than the clock's tick of 1 ns";
        if (*seconds > kMaxDt)
            return Quoted("--dt", value) + ": longer than a minute";
        m_options.dt = *seconds;
        return {};
    }

    std::string Screen(std::string_view value)
    {
        const std::size_t x = value.find('x');
        const auto width =
            x == std::string_view::npos ? std::nullopt : ParseCount(value.substr(0, x));
        const auto height =
            x == std::string_view::npos ? std::nullopt : ParseCount(value.substr(x + 1));
        if (!width || !height)
            return Quoted("--screen", value) + ": expected WIDTHxHEIGHT, such as 1920x1080";
        if (*width < kMinScreenSide || *height < kMinScreenSide || *width > kMaxScreenSide ||
            *height > kMaxScreenSide)
            return Quoted("--screen", value) + ": each side must be from " +
                   std::to_string(kMinScreenSide) + " to " + std::to_string(kMaxScreenSide) +
                   " pixels (the window is 50 smaller)";
        m_options.screenWidth = static_cast<int>(*width);
        m_options.screenHeight = static_cast<int>(*height);
        return {};
    }

    std::string Hold(std::string_view value)
    {
        const std::size_t colon = value.find(':');
        if (colon == std::string_view::npos)
            return Quoted("--hold", value) + ": expected KEY:FIRST-LAST, such as E:0-59";
        std::string name(value.substr(0, colon));
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int dik = compat::dinput::DikFromName(name);
        if (dik == 0)
            return Quoted("--hold", value) + ": unknown key name '" +
                   std::string(value.substr(0, colon)) + "' (DIK names without the prefix)";
        const std::string_view range = value.substr(colon + 1);
        const std::size_t dash = range.find('-');
        const auto first =
            dash == std::string_view::npos ? std::nullopt : ParseCount(range.substr(0, dash));
        const auto last =
            dash == std::string_view::npos ? std::nullopt : ParseCount(range.substr(dash + 1));
        if (!first || !last)
            return Quoted("--hold", value) + ": the range '" + std::string(range) +
                   "' is not FIRST-LAST with two frame numbers";
        if (*first > *last)
            return Quoted("--hold", value) + ": the range ends before it starts";
        m_options.holds.push_back({dik, name, *first, *last});
        return {};
    }

    std::string ShotAt(std::string_view value)
    {
        const std::size_t colon = value.find(':');
        const auto frame =
            colon == std::string_view::npos ? std::nullopt : ParseCount(value.substr(0, colon));
        if (!frame)
            return Quoted("--shot", value) + ": expected FRAME:FILE.png, such as 120:a.png";
        const std::string_view path = value.substr(colon + 1);
        if (path.size() < 5 || path.substr(path.size() - 4) != ".png")
            return Quoted("--shot", value) + ": the file name must end in .png";
        m_options.shots.push_back({*frame, std::string(path)});
        return {};
    }

    std::string Poses(std::string_view value)
    {
        if (value.empty())
            return "--poses needs a file name";
        m_options.posesPath = value;
        return {};
    }

    std::string Art(std::string_view value)
    {
        if (value.empty())
            return "--art needs a folder";
        m_options.artPath = value;
        return {};
    }

    // Checks that need every option: shots after the last frame would
    // never be taken.
    std::string Finish()
    {
        for (const Shot& shot : m_options.shots)
            if (shot.frame >= m_options.frames)
                return "--shot " + std::to_string(shot.frame) + ":" + shot.path +
                       ": the last frame is " + std::to_string(m_options.frames - 1);
        return {};
    }

    Options& Result() { return m_options; }

private:
    Options m_options;
};

} // namespace

ParseResult ParseOptions(std::span<const std::string_view> args)
{
    Parser parser;
    bool seen[5] = {}; // --frames, --dt, --screen, --poses, --art
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (name == "--help" || name == "-h")
        {
            parser.Result().help = true;
            continue;
        }
        if (name == "--version")
        {
            parser.Result().version = true;
            continue;
        }
        if (!name.starts_with("--"))
            return {{}, "unexpected argument '" + std::string(name) + "' (options start with --)"};
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos)
        {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }

        using Handler = std::string (Parser::*)(std::string_view);
        struct Entry
        {
            std::string_view name;
            Handler handler;
            int once; // index into seen, or -1 for options that repeat
        };
        static constexpr Entry kEntries[] = {
            {"--frames", &Parser::Frames, 0}, {"--dt", &Parser::Dt, 1},
            {"--screen", &Parser::Screen, 2}, {"--poses", &Parser::Poses, 3},
            {"--art", &Parser::Art, 4},       {"--hold", &Parser::Hold, -1},
            {"--shot", &Parser::ShotAt, -1},
        };
        const Entry* entry = nullptr;
        for (const Entry& candidate : kEntries)
            if (candidate.name == name)
                entry = &candidate;
        if (!entry)
            return {{}, "unknown option '" + std::string(name) + "' (see --help)"};
        if (entry->once >= 0)
        {
            if (seen[entry->once])
                return {{}, std::string(name) + " is given more than once"};
            seen[entry->once] = true;
        }
        if (!value)
        {
            if (i + 1 == args.size())
                return {{}, std::string(name) + " needs a value"};
            value = args[++i];
        }
        if (std::string error = (parser.*entry->handler)(*value); !error.empty())
            return {{}, error};
    }
    if (std::string error = parser.Finish(); !error.empty())
        return {{}, error};
    return {std::move(parser.Result()), {}};
}

std::string_view Usage()
{
    return kUsage;
}

} // namespace capture
