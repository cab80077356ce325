// How the program ends under Wine: Esc, held, ends it with status 0; a mesh
// file missing from ..\art\3d\yak_52\ ends it at start-up with status 1 and
// one line on stderr, the same line the native program prints (the file's
// full path in Windows' form: Wine's drive Z: is the Unix root).
#include "WineProgram.h"
#include "XTopWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace windows_test
{
namespace
{

// `text` as the native program would have written it: each Wine path
// "Z:\a\b" as the Unix path "/a/b", and each line ended by "\n" alone (a
// Windows program's text-mode stream ends its lines with "\r\n").
std::string AsOnUnix(std::string text)
{
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", end))
        text.erase(end, 1);
    for (std::size_t drive = text.find("Z:\\"); drive != std::string::npos;
         drive = text.find("Z:\\", drive))
    {
        text.erase(drive, 2);
        for (std::size_t i = drive; i < text.size() && text[i] != ')' && text[i] != ' '; ++i)
            if (text[i] == '\\')
                text[i] = '/';
    }
    return text;
}

TEST(WineProgramEnd, EscHeldEndsItWithStatusZero)
{
    XConnection x;
    WineProgram program;
    const std::optional<unsigned long> window = program.WaitForFrames(x, 60);
    ASSERT_TRUE(window) << "no window \"Zarv\" showing frames within 60 s; the program said: "
                        << program.Process().Errors();
    // The keyboard is polled once a frame: half a second spans several.
    std::string why;
    ASSERT_TRUE(HoldKey(*window, "Escape", 0.5, why)) << why;
    EXPECT_EQ(program.Process().Wait(30), 0) << "Esc held: status (none: still running after 30 s)";
}

TEST(WineProgramEnd, AMissingMeshFileEndsItWithStatusOneAndTheNativeProgramsLine)
{
    WineProgram program("i_propeller.txt");
    const std::optional<int> status = program.Process().Wait(60);
    ChildProcess native({(program.Folder().Bin() / Programs::NativeProgram().filename()).string()},
                        program.Folder().Bin(), {"SDL_VIDEODRIVER=offscreen"});
    ASSERT_EQ(native.Wait(60), 1) << "the native program: " << native.Errors();
    EXPECT_EQ(status, 1) << "status (none: still running after 60 s); stderr: "
                         << program.Process().Errors();
    const std::string line = native.Errors();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1)
        << "the native program's line: " << line;
    EXPECT_EQ(AsOnUnix(program.Process().Errors()), line);
}

} // namespace
} // namespace windows_test
