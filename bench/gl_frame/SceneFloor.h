// The least llvmpipe can do for the program's picture: the seven meshes the
// program draws (fuselage, three wheels, three struts) at the settled
// aircraft's poses, with the program's projection, view and light, in one
// simple lit shader, straight into a window of the back buffer's size.
// Plain OpenGL: none of the program's drawing code or its stand-ins.
#pragma once

#include "BareGl.h"

#include <string>

namespace bench
{

class SceneFloor
{
public:
    // Reads the mesh files from ../art/3d/yak_52/ and makes the shader and
    // buffers; false with `error` set when something is missing.
    bool Init(BareGlWindow& window, int width, int height, std::string& error);
    // Clears and draws the seven meshes (no swap).
    void Draw();

private:
    struct Mesh
    {
        GLuint vertexArray = 0;
        GLsizei indexCount = 0;
    };
    bool LoadMesh(const char* path, Mesh& mesh, std::string& error);

    const BareGlFunctions* gl_ = nullptr;
    GLuint program_ = 0;
    GLint worldViewProjection_ = -1;
    GLint normalMatrix_ = -1;
    GLint diffuse_ = -1;
    float viewProjection_[16] = {};
    Mesh fuselage_, frontWheel_, leftWheel_, rightWheel_, frontStrut_, mainStrut_;
};

} // namespace bench
