#include "CaptureOutputs.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace capture_test
{

Vec3 operator-(const Vec3& a, const Vec3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double Length(const Vec3& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vec3 PoseRow::Forward() const
{
    // The third column of the rotation matrix of (qx, qy, qz, qw).
    return {2 * (qx * qz + qw * qy), 2 * (qy * qz - qw * qx), 1 - 2 * (qx * qx + qy * qy)};
}

double PoseRow::NoseUpDegrees() const
{
    const Vec3 nose = Forward();
    return std::atan2(nose.y, std::hypot(nose.x, nose.z)) * 180.0 / 3.14159265358979323846;
}

double TurnDegrees(const PoseRow& a, const PoseRow& b)
{
    const double dot = std::fabs(a.qx * b.qx + a.qy * b.qy + a.qz * b.qz + a.qw * b.qw);
    return 2.0 * std::acos(std::fmin(1.0, dot)) * 180.0 / 3.14159265358979323846;
}

PosesCsv PosesCsv::Read(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("no poses file " + path);
    PosesCsv csv;
    std::getline(file, csv.m_header);
    for (std::string line; std::getline(file, line);)
    {
        PoseRow row;
        char body[64] = {};
        const int fields =
            std::sscanf(line.c_str(), "%ld,%lf,%63[^,],%lf,%lf,%lf,%lf,%lf,%lf,%lf", &row.frame,
                        &row.time, body, &row.position.x, &row.position.y, &row.position.z, &row.qx,
                        &row.qy, &row.qz, &row.qw);
        if (fields != 10)
            throw std::runtime_error("malformed poses line: " + line);
        csv.m_rows[{row.frame, body}] = row;
    }
    return csv;
}

long PosesCsv::LastFrame() const
{
    return m_rows.empty() ? -1 : m_rows.rbegin()->first.first;
}

const PoseRow& PosesCsv::At(long frame, const std::string& body) const
{
    const auto row = m_rows.find({frame, body});
    if (row == m_rows.end())
        throw std::runtime_error("no pose of " + body + " in frame " + std::to_string(frame));
    return row->second;
}

} // namespace capture_test
