// Fuzzes the mesh reader. Whatever the bytes, reading them must not crash,
// hang, leak or allocate beyond what the bytes can hold; a refusal must name
// the file in one line; and the result must be exactly the plain stdio
// reading's. A disagreement aborts, so the fuzzer reports it as a crash.
#include "MeshReadingDifference.h"
#include "StdioMeshReader.h"

#include "render/MeshFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace
{
[[noreturn]] void Disagree(const char* what, const std::string& detail)
{
    fprintf(stderr, "mesh reader fuzz: %s: %s\n", what, detail.c_str());
    abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static char empty[1];
    char* bytes = size ? reinterpret_cast<char*>(const_cast<uint8_t*>(data)) : empty;

    CMeshFile meshFile;
    const bool loaded = meshFile.LoadFromMemory("fuzz.txt", bytes, size);

    StdioMesh expected;
    const bool expectedLoad = StdioReadBytes(std::string_view(bytes, size), expected);

    if (loaded != expectedLoad)
        Disagree(loaded ? "only the stdio reading refuses the file" : "only ours refuses the file",
                 meshFile.GetError());
    if (loaded)
    {
        const std::string difference = FirstDifference(meshFile, expected);
        if (!difference.empty())
            Disagree("the readings differ", difference);
    }
    else
    {
        const char* error = meshFile.GetError();
        const bool named =
            strncmp(error, "fuzz.txt: ", 10) == 0 || strncmp(error, "fuzz.txt, line ", 15) == 0;
        if (!named || strchr(error, '\n'))
            Disagree("a reason that is not one line naming the file", error);
    }
    return 0;
}
