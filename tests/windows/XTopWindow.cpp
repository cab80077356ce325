#include "XTopWindow.h"

#include "ChildProcess.h"

#include <chrono>
#include <stdexcept>
#include <thread>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace windows_test
{

using test::ChildProcess;

namespace
{

// Windows come and go while the tests look at them: a request about one that
// is gone fails, and the callers see the failure in its result. Xlib's own
// handler would end the test program instead.
int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

XConnection::XConnection() : m_display(XOpenDisplay(nullptr))
{
    if (m_display == nullptr)
        throw std::runtime_error("cannot open the X display (DISPLAY is unset or wrong)");
    XSetErrorHandler(IgnoreError);
}

XConnection::~XConnection()
{
    XCloseDisplay(m_display);
}

int XConnection::ScreenWidth() const
{
    return DisplayWidth(m_display, DefaultScreen(m_display));
}

int XConnection::ScreenHeight() const
{
    return DisplayHeight(m_display, DefaultScreen(m_display));
}

std::ostream& operator<<(std::ostream& out, const XRectangle& r)
{
    return out << r.width << "x" << r.height << " at " << r.x << "," << r.y;
}

namespace
{

std::optional<unsigned long> CardinalProperty(Display* display, Window window, const char* name,
                                              int index = 0)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 16, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32 && static_cast<unsigned long>(index) < count)
        value = reinterpret_cast<unsigned long*>(data)[index];
    if (data != nullptr)
        XFree(data);
    return value;
}

bool IsOurs(Display* display, Window window, const std::string& name, pid_t group)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable)
        return false;
    char* title = nullptr;
    const bool named =
        XFetchName(display, window, &title) != 0 && title != nullptr && title == name;
    if (title != nullptr)
        XFree(title);
    const std::optional<unsigned long> pid = CardinalProperty(display, window, "_NET_WM_PID");
    return named && pid && getpgid(static_cast<pid_t>(*pid)) == group;
}

} // namespace

std::optional<unsigned long> WaitForWindow(const XConnection& x, const std::string& name,
                                           pid_t group, double seconds)
{
    Display* display = x.Display();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        std::optional<unsigned long> found;
        if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        {
            for (unsigned int i = 0; i < count && !found; ++i)
                if (IsOurs(display, children[i], name, group))
                    found = children[i];
            if (children != nullptr)
                XFree(children);
        }
        if (found)
            return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

XRectangle PlaceOf(const XConnection& x, unsigned long window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(x.Display(), window, &attributes);
    XRectangle place{0, 0, attributes.width, attributes.height};
    Window child = 0;
    XTranslateCoordinates(x.Display(), window, DefaultRootWindow(x.Display()), 0, 0, &place.x,
                          &place.y, &child);
    return place;
}

XClassHint ClassOf(const XConnection& x, unsigned long window)
{
    ::XClassHint hint{};
    XClassHint names;
    if (XGetClassHint(x.Display(), window, &hint) != 0)
    {
        names.name = hint.res_name != nullptr ? hint.res_name : "";
        names.className = hint.res_class != nullptr ? hint.res_class : "";
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return names;
}

XSizeHints SizeHintsOf(const XConnection& x, unsigned long window)
{
    ::XSizeHints hints{};
    long supplied = 0;
    XSizeHints result;
    if (XGetWMNormalHints(x.Display(), window, &hints, &supplied) == 0)
        return result;
    result.position = (hints.flags & PPosition) != 0;
    result.x = hints.x;
    result.y = hints.y;
    if (hints.flags & PMinSize)
        result.minimum = {0, 0, hints.min_width, hints.min_height};
    if (hints.flags & PMaxSize)
        result.maximum = {0, 0, hints.max_width, hints.max_height};
    result.staticGravity = (hints.flags & PWinGravity) && hints.win_gravity == StaticGravity;
    return result;
}

std::uint32_t PixelOf(const XConnection& x, unsigned long window, int left, int top)
{
    XImage* image = XGetImage(x.Display(), window, left, top, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return 0xffffffffu;
    const auto pixel = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xffffff;
    XDestroyImage(image);
    return pixel;
}

std::optional<unsigned long> DecorationsOf(const XConnection& x, unsigned long window)
{
    // Motif's hints: flags, functions, decorations, input mode, status.
    constexpr unsigned long kDecorationsGiven = 0x2;
    const std::optional<unsigned long> flags =
        CardinalProperty(x.Display(), window, "_MOTIF_WM_HINTS");
    if (!flags || (*flags & kDecorationsGiven) == 0)
        return std::nullopt;
    return CardinalProperty(x.Display(), window, "_MOTIF_WM_HINTS", 2);
}

namespace
{

bool RunXdotool(const std::vector<std::string>& arguments, std::string& why)
{
    std::vector<std::string> command{ZARV_XDOTOOL};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess xdotool(command, ".");
    const std::optional<int> status = xdotool.Wait(30);
    if (status == 0)
        return true;
    why = "xdotool " + arguments.front() + " failed (" +
          (status ? "status " + std::to_string(*status) : std::string("no end in 30 s")) +
          "): " + xdotool.Errors();
    return false;
}

} // namespace

bool HoldKey(unsigned long window, const std::string& key, double seconds, std::string& why)
{
    // With no window manager nobody else gives the window the focus.
    if (!RunXdotool({"windowfocus", "--sync", std::to_string(window)}, why) ||
        !RunXdotool({"keydown", key}, why))
        return false;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    return RunXdotool({"keyup", key}, why);
}

} // namespace windows_test
