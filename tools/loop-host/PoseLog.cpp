#include "PoseLog.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace host
{
namespace
{

// A value that prints as zero prints as "0.000000", never "-0.000000".
double Printed(double value)
{
    return std::fabs(value) < 5e-7 ? 0.0 : value;
}

} // namespace

std::string PoseLog::Open(const std::string& path)
{
    m_path = path;
    m_file.reset(std::fopen(path.c_str(), "w"));
    if (!m_file)
        return "cannot write " + path + ": " + std::strerror(errno);
    std::fputs("frame,time,body,x,y,z,qx,qy,qz,qw\n", m_file.get());
    return {};
}

void PoseLog::Write(long frame, double time, std::string_view body, const Pose& pose)
{
    if (!m_file)
        return;
    std::fprintf(m_file.get(), "%ld,%.6f,%.*s,%.6f,%.6f,%.6f,%.6f,%.6f,%.6f,%.6f\n", frame, time,
                 static_cast<int>(body.size()), body.data(), Printed(pose.x), Printed(pose.y),
                 Printed(pose.z), Printed(pose.qx), Printed(pose.qy), Printed(pose.qz),
                 Printed(pose.qw));
}

std::string PoseLog::Close()
{
    if (!m_file)
        return {};
    errno = 0;
    const bool written = std::fflush(m_file.get()) == 0 && std::ferror(m_file.get()) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(m_file.release()) == 0;
    if (written && closed)
        return {};
    return "cannot write " + m_path + ": " + std::strerror(flushError ? flushError : errno);
}

} // namespace host
