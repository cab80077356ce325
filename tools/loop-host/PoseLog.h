// The poses CSV: a header line, then one line per body and frame,
//   frame,time,body,x,y,z,qx,qy,qz,qw
// with every number written with six decimals, so the same run gives the
// same bytes.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace host
{

struct Pose
{
    double x = 0, y = 0, z = 0;            // position
    double qx = 0, qy = 0, qz = 0, qw = 1; // orientation quaternion
};

class PoseLog
{
public:
    // Creates (or empties) the file and writes the header; "" on success,
    // else one line saying why not.
    std::string Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }

    void Write(long frame, double time, std::string_view body, const Pose& pose);

    // Flushes and closes the file; "" when every line reached it.
    std::string Close();

private:
    struct FileCloser
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::string m_path;
};

} // namespace host
