// Reading back the poses CSV the tool wrote (its PNG shots are read with the
// picture library).
#pragma once

#include <map>
#include <string>
#include <utility>

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

} // namespace capture_test
