// d3d9-scenes: draws each scene (Scenes.h) with Direct3D 9 into a 512 × 256
// back buffer and writes what it drew as FOLDER/<scene>.ppm. Built against
// our stand-in it draws with our Direct3D; built for Windows it draws with
// Windows' own (Wine's, on this machine). d3d9-scenes-compare then judges
// the two.
//
//   d3d9-scenes FOLDER [SCENE...]    every scene, or only those named
//   d3d9-scenes --list               each scene's name and kind, a line each
//                                    (the Windows tests make their list of
//                                    comparisons from it)
#include "ReadBack.h"
#include "SceneWindow.h"
#include "Scenes.h"

#include <PpmFile.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

int Fail(const std::string& reason)
{
    std::fprintf(stderr, "d3d9-scenes: %s\n", reason.c_str());
    return 1;
}

const Scene* FindScene(const char* name)
{
    for (const Scene& scene : AllScenes())
        if (std::strcmp(scene.name, name) == 0)
            return &scene;
    return nullptr;
}

// Draws the scene on a fresh device and writes its picture.
std::string DrawScene(SceneWindow& window, const Scene& scene, const std::string& path)
{
    IDirect3DDevice9* device = nullptr;
    std::string error = window.CreateDevice(device);
    if (error.empty())
        error = scene.draw(device);
    picture::Image drawn;
    if (error.empty())
        error = PresentAndRead(device, drawn);
    if (device != nullptr)
        device->Release();
    window.PumpMessages();
    if (error.empty())
        error = picture::WritePpm(path, drawn);
    return error;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0)
    {
        for (const Scene& scene : AllScenes())
            std::printf("%s %s\n", scene.name, scene.kind);
        return 0;
    }
    if (argc < 2 || argv[1][0] == '-')
        return Fail("usage: d3d9-scenes FOLDER [SCENE...] | d3d9-scenes --list");

    std::vector<const Scene*> scenes;
    for (int i = 2; i < argc; ++i)
    {
        const Scene* scene = FindScene(argv[i]);
        if (scene == nullptr)
            return Fail(std::string("no scene is called \"") + argv[i] + "\" (see --list)");
        scenes.push_back(scene);
    }
    if (scenes.empty())
        for (const Scene& scene : AllScenes())
            scenes.push_back(&scene);

    const std::filesystem::path folder(argv[1]);
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code)
        return Fail("cannot make the folder " + folder.string() + ": " + code.message());
    // A picture left from an earlier run must not pass for this run's.
    for (const Scene* scene : scenes)
        std::filesystem::remove(folder / (std::string(scene->name) + ".ppm"), code);

    SceneWindow window;
    std::string error = window.Open();
    if (!error.empty())
        return Fail(error);
    for (const Scene* scene : scenes)
    {
        const std::string path = (folder / (std::string(scene->name) + ".ppm")).string();
        error = DrawScene(window, *scene, path);
        if (!error.empty())
            return Fail(std::string(scene->name) + ": " + error);
    }
    std::printf("d3d9-scenes: %zu scenes drawn on %s into %s\n", scenes.size(), ReadBackSide(),
                folder.string().c_str());
    return 0;
}
