// Reading back what the tool wrote: the poses CSV and the PNG shots.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace capture_test
{

struct Vec3
{
    double x = 0, y = 0, z = 0;
};

Vec3 operator-(const Vec3& a, const Vec3& b);
double Length(const Vec3& v);

struct PoseRow
{
    long frame = 0;
    double time = 0;
    Vec3 position;
    double qx = 0, qy = 0, qz = 0, qw = 1;

    // The body's own +z axis (the aircraft's nose) in the world.
    Vec3 Forward() const;
    // How far the nose points above the horizon, in degrees.
    double NoseUpDegrees() const;
};

// Angle in degrees of the turn between two orientations.
double TurnDegrees(const PoseRow& a, const PoseRow& b);

// The rows of a poses CSV by frame and body; throws on a malformed line.
class PosesCsv
{
public:
    static PosesCsv Read(const std::string& path);

    const std::string& Header() const { return m_header; }
    std::size_t RowCount() const { return m_rows.size(); }
    long LastFrame() const;
    // The body's row in a frame; throws when there is none.
    const PoseRow& At(long frame, const std::string& body) const;

private:
    std::string m_header;
    std::map<std::pair<long, std::string>, PoseRow> m_rows;
};

struct Rgb
{
    int r = 0, g = 0, b = 0;
};

// An 8-bit RGB picture, top row first, and its opacity.
struct Picture
{
    unsigned width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint8_t> alpha; // one a pixel; 255 where the file has none

    Rgb At(unsigned x, unsigned y) const;
    // How many pixels of the rectangle [x0, x1) × [y0, y1) pass the test.
    template <typename Test>
    int Count(unsigned x0, unsigned y0, unsigned x1, unsigned y1, Test test) const
    {
        int count = 0;
        for (unsigned y = y0; y < y1; ++y)
            for (unsigned x = x0; x < x1; ++x)
                count += test(At(x, y)) ? 1 : 0;
        return count;
    }
};

// Reads a PNG file as 8-bit RGB and alpha; throws when it cannot.
Picture ReadPng(const std::string& path);

} // namespace capture_test
