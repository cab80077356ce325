// Chooses SDL's video driver for as long as it lives, through SDL_VIDEODRIVER,
// and puts the variable back as it was (set to its old value, or unset)
// when it ends: for the tests that need a real X window, or another driver
// than the rest of their program. SDL reads the variable when its video
// starts, so make this before the window or device and end it after.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace test
{

class ScopedVideoDriver
{
public:
    explicit ScopedVideoDriver(const char* driver)
    {
        if (const char* old = std::getenv("SDL_VIDEODRIVER"))
            old_ = old;
        setenv("SDL_VIDEODRIVER", driver, 1);
    }

    ~ScopedVideoDriver()
    {
        if (old_)
            setenv("SDL_VIDEODRIVER", old_->c_str(), 1);
        else
            unsetenv("SDL_VIDEODRIVER");
    }

    ScopedVideoDriver(const ScopedVideoDriver&) = delete;
    ScopedVideoDriver& operator=(const ScopedVideoDriver&) = delete;

private:
    std::optional<std::string> old_;
};

// Whether an X server is there to open windows on (Xvfb in the test script).
inline bool HasXDisplay()
{
    return std::getenv("DISPLAY") != nullptr;
}

} // namespace test
