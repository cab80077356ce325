// Start-up: the program's real AppInit with its first frame, AppInit split by
// what the stand-ins measured inside their own calls.
#pragma once

namespace bench
{

struct StartUpTotal
{
    double beforeMain = 0; // process start to main (to the kernel's 10 ms tick)
    double appInit = 0;    // AppInit
    double firstFrame = 0; // the first AppFrame, which presents the first frame
};

// AppInit's time by where it went; the parts add up to AppInit.
struct StartUpSplit
{
    double window = 0;      // CreateWindowExW, with the start of SDL video
    double device = 0;      // the Direct3D object and device: the OpenGL context
    double physics = 0;     // the physics SDK, scene, materials, actors and joints
    double meshBuffers = 0; // the meshes' vertex and index buffers: made, filled, uploaded
    double font = 0;        // D3DXCreateFontW
    // The program's own work, which no stand-in sees: mostly reading and
    // welding the fifteen mesh files, then the part tree, the keyboard, the
    // transforms and lights.
    double rest = 0;
};

// Runs AppInit and the first AppFrame with the stand-ins measuring; false if
// start-up failed. Meant for a fresh process, so that the first window and
// device pay what they pay in the program.
bool MeasureStartUp(StartUpTotal& total, StartUpSplit& split);

} // namespace bench
