// What the X server knows of a program's top-level window: where it is, its
// WM_CLASS, the size hints and the frame its program asks a window manager
// for; and a key held down in it, as a user would (xdotool).
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <sys/types.h>

// Xlib's display type (see tests/support/XWindowPixels.h).
struct _XDisplay;

namespace windows_test
{

// A connection to the test run's X display for as long as it lives.
class XConnection
{
public:
    XConnection(); // throws when there is no display
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    _XDisplay* Display() const { return m_display; }
    int ScreenWidth() const;
    int ScreenHeight() const;

private:
    _XDisplay* m_display = nullptr;
};

struct XRectangle
{
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const XRectangle&) const = default;
};
std::ostream& operator<<(std::ostream& out, const XRectangle& r); // "W×H at X,Y"

// WM_CLASS: the instance and class names.
struct XClassHint
{
    std::string name;
    std::string className;
};

// WM_NORMAL_HINTS, as far as they say where the window goes and whether a
// window manager may resize it.
struct XSizeHints
{
    bool position = false; // a position is given (by the program)
    int x = 0, y = 0;
    XRectangle minimum, maximum; // sizes only
    bool staticGravity = false;  // a frame grows outwards, the window stays put
};

// The viewable top-level window called `name` that a process of the process
// group `group` shows (by its _NET_WM_PID), once there; waits at most
// `seconds`.
std::optional<unsigned long> WaitForWindow(const XConnection& x, const std::string& name,
                                           pid_t group, double seconds);

// Where the window is on the screen (root coordinates) and how big.
XRectangle PlaceOf(const XConnection& x, unsigned long window);
XClassHint ClassOf(const XConnection& x, unsigned long window);
XSizeHints SizeHintsOf(const XConnection& x, unsigned long window);
// The decorations the window asks a window manager to draw around it
// (_MOTIF_WM_HINTS: 0x2 border, 0x8 title, 0x4 resize handles, 0x10 menu,
// 0x20 minimise, 0x40 maximise); nothing when it asks for none in particular.
std::optional<unsigned long> DecorationsOf(const XConnection& x, unsigned long window);

// The colour of one pixel of the window (0xRRGGBB); 0xFFFFFFFF when the
// server will not give it.
std::uint32_t PixelOf(const XConnection& x, unsigned long window, int left, int top);

// Gives the window the keyboard focus and holds `key` (an X key name) down
// for `seconds`, with xdotool: a program that polls the keyboard once a
// frame sees a key held this long. False, with `why` filled, when xdotool
// fails.
bool HoldKey(unsigned long window, const std::string& key, double seconds, std::string& why);

} // namespace windows_test
