// zarv-web: the program in a web page. The window is the page's canvas, the
// keyboard the page's key events, the drawing WebGL 2; the art and the font
// are packed into the page's file system at the paths the program reads
// (see CMakeLists.txt).
//
// A browser must not be blocked, so the program's loop cannot run as it is
// written: the page runs the loop's body (at most one window message, then
// one frame) once per animation frame, and ends the program (AppRelease)
// when a frame asks to end (Esc) or when the page goes away.
//
// The page's address may ask for a test run: `?test` (with `&dt=1/60`, the
// default) puts the program on a virtual clock that advances dt every frame
// and runs frames only when the page calls zarvStep(n); every frame then
// writes the capture tool's poses CSV lines to the console.
#include "Frames.h"
#include "Headless.h"
#include "PageLinks.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

int main()
{
    // The program reads its art from ..\art\3d\yak_52\ as it does from
    // its build folder: the page packs the art at /zarv/art/3d/yak_52.
    mkdir("/zarv/build", 0755);
    if (chdir("/zarv/build") != 0)
    {
        std::fprintf(stderr, "zarv-web: cannot change to /zarv/build\n");
        web::SayEnded(1);
        return 1;
    }
    web::Settings settings = web::ReadSettings();
    // The virtual screen is the canvas as the page lays it out; the program
    // makes its window (the canvas's drawing buffer) a little smaller.
    double width = 0;
    double height = 0;
    if (emscripten_get_element_css_size("#canvas", &width, &height) != EMSCRIPTEN_RESULT_SUCCESS ||
        width < 100 || height < 100)
    {
        std::fprintf(stderr, "zarv-web: the page has no canvas of at least 100x100 (#canvas)\n");
        web::SayEnded(1);
        return 1;
    }
    host::Headless page;
    page.screenWidth = static_cast<int>(width);
    page.screenHeight = static_cast<int>(height);
    page.virtualClock = settings.test;
    page.scriptedKeys = false;  // the page's key events
    page.videoDriver = nullptr; // SDL's own: the page's canvas
    page.SetUp();
    if (!web::Start(settings))
        return 1;
    return 0;
}
