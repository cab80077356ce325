// Shared helpers of the mesh tests: a temporary folder for the files they
// write, and the canonical text of a mesh.
#pragma once

#include "ScratchFolder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes. Its path has forward slashes on
// every platform, as the program writes the paths in its messages.
class TempFolder
{
public:
    TempFolder() : m_path(m_folder.Path().generic_string()) {}

    const std::string& Path() const { return m_path; }
    // Writes the bytes to a file of that name in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    test::ScratchFolder m_folder{"mesh-test"};
    std::string m_path;
};

// The file's bytes; none when it cannot be read.
std::string ReadBytes(const std::string& path);

// A mesh of format (3, 1, 0, 0) in the canonical layout, written with the
// format's own output strings: `floatCount` values per vertex (six, unless a
// test writes the export's own header over other vertices), 32-bit indices.
std::string CanonicalText(const std::vector<float>& values, const std::vector<uint32_t>& indices,
                          size_t floatCount = 6);

// A unit cube: 24 vertices (position, normal) and 36 indices.
void MakeCube(std::vector<float>& values, std::vector<uint32_t>& indices);
