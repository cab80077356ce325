#include "render/FilePath.h"

#include <filesystem>
#include <system_error>

std::string ToFilePath(const char* path)
{
    std::string filePath(path);
    for (char& c : filePath)
        if (c == '\\')
            c = '/';
    return filePath;
}

std::string DescribeFilePath(const char* path)
{
    const std::string filePath = ToFilePath(path);
    const std::filesystem::path given(filePath);
    if (filePath.empty() || given.is_absolute())
        return filePath;
    // The folders that exist are resolved as the file system resolves them
    // (links followed), the rest is taken as written.
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(given, error);
    if (error)
        resolved = std::filesystem::absolute(given, error).lexically_normal();
    if (error)
        return filePath;
    return filePath + " (" + resolved.string() + ")";
}
