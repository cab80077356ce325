// yak52-art OUTPUT_FOLDER: builds the aircraft's fifteen meshes and writes
// them into the folder (created when missing), one line per file on stdout.
// Exit status 0 when every file was written; otherwise a one-line reason on
// stderr and status 1.
#include "Export.h"
#include "parts/Catalogue.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '\0')
    {
        std::fprintf(stderr, "usage: yak52-art OUTPUT_FOLDER\n");
        return 1;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder))
    {
        std::fprintf(stderr, "%s: not a folder that can be written (%s)\n", argv[1],
                     error ? error.message().c_str() : "a file of that name exists");
        return 1;
    }

    std::uintmax_t total = 0;
    for (const yak52::PartFile& part : yak52::Catalogue())
    {
        const yak52::TriangleList triangles = part.build();
        const std::string path = (folder / part.fileName).string();
        const std::string failure = yak52::WriteMeshFile(triangles, path);
        if (!failure.empty())
        {
            std::fprintf(stderr, "%s\n", failure.c_str());
            return 1;
        }
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        total += size;
        std::printf("%-18s %6zu triangles %8ju bytes\n", part.fileName.c_str(),
                    triangles.TriangleCount(), size);
    }
    std::printf("%-18s %6s           %8ju bytes\n", "all", "", total);
    return 0;
}
