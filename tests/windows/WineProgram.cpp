#include "WineProgram.h"

#include <chrono>
#include <thread>

namespace windows_test
{

WineProgram::WineProgram(const std::string& missing)
    : m_folder({Programs::WindowsProgram(), Programs::NativeProgram()}, Programs::Art(), missing)
{
    m_process = std::make_unique<ChildProcess>(
        std::vector<std::string>{Programs::WineRun().string(), "zarv.exe"}, m_folder.Bin());
}

std::optional<unsigned long> WineProgram::WaitForFrames(const XConnection& x, double seconds)
{
    constexpr std::uint32_t kSky = 0x9b9bff;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    const std::optional<unsigned long> window =
        WaitForWindow(x, "Zarv", m_process->Group(), seconds);
    if (!window)
        return std::nullopt;
    const XRectangle place = PlaceOf(x, *window);
    while (std::chrono::steady_clock::now() < deadline)
    {
        if (PixelOf(x, *window, place.width - 1, place.height - 1) == kSky)
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

} // namespace windows_test
