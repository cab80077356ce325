#include "SceneFloor.h"

#include "render/MeshFile.h"
#include "world/WorldInspector.h"

#include <cmath>

namespace bench
{
namespace
{

// Matrices as Direct3D keeps them: row vectors, stored row by row, which
// OpenGL reads (column by column) as the same transform for column vectors.
struct Matrix
{
    float m[16];
};

Matrix Multiply(const Matrix& a, const Matrix& b)
{
    Matrix out{};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            for (int k = 0; k < 4; ++k)
                out.m[row * 4 + column] += a.m[row * 4 + k] * b.m[k * 4 + column];
    return out;
}

// A rotation (x, y, z, w) then a translation.
Matrix Pose(const float position[3], const float q[4])
{
    const float x = q[0], y = q[1], z = q[2], w = q[3];
    return {{1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w), 0,
             2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w), 0,
             2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y), 0, position[0],
             position[1], position[2], 1}};
}

// The left-handed look-at and perspective the program's view and projection
// are made with.
Matrix LookAt(const float eye[3], const float at[3], const float up[3])
{
    auto normalise = [](float v[3])
    {
        const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3; ++i)
            v[i] /= length;
    };
    auto cross = [](const float a[3], const float b[3], float out[3])
    {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
    };
    auto dot = [](const float a[3], const float b[3])
    { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    float zAxis[3] = {at[0] - eye[0], at[1] - eye[1], at[2] - eye[2]};
    normalise(zAxis);
    float xAxis[3];
    cross(up, zAxis, xAxis);
    normalise(xAxis);
    float yAxis[3];
    cross(zAxis, xAxis, yAxis);
    return {{xAxis[0], yAxis[0], zAxis[0], 0, xAxis[1], yAxis[1], zAxis[1], 0, xAxis[2], yAxis[2],
             zAxis[2], 0, -dot(xAxis, eye), -dot(yAxis, eye), -dot(zAxis, eye), 1}};
}

Matrix Perspective(float fovY, float aspect, float zn, float zf)
{
    const float ys = 1.0f / std::tan(fovY / 2);
    const float xs = ys / aspect;
    return {{xs, 0, 0, 0, 0, ys, 0, 0, 0, 0, zf / (zf - zn), 1, 0, 0, -zn * zf / (zf - zn), 0}};
}

// The poses after five simulated seconds at 1/60 s (zarv-capture --frames 300
// --poses, frame 299): the aircraft settled on its wheels. The four bodies
// share one orientation.
const float kOrientation[4] = {-0.035916f, -0.000002f, 0.000153f, 0.999355f};
const float kFuselage[3] = {-0.000015f, 1.222545f, 0.096679f};
const float kFrontWheel[3] = {0.000261f, 0.350000f, 1.658710f};
const float kLeftWheel[3] = {1.410249f, 0.350000f, -0.093382f};
const float kRightWheel[3] = {-1.409751f, 0.350000f, -0.093451f};
// The orbit viewpoint then: 15 m ahead of the nose, looking back at it.
const float kEye[3] = {0.0f, 1.0f, 15.0f};
const float kLookAt[3] = {0.0f, 1.0f, 14.0f};
const float kUp[3] = {0.0f, 1.0f, 0.0f};

// One directional light from straight ahead (towards the light: +z), the
// materials' diffuse colour, no ambient: what the program's lighting gives.
const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
uniform mat4 uWorldViewProjection;
uniform mat3 uNormalMatrix;
uniform vec3 uDiffuse;
out vec3 vColour;
void main()
{
    gl_Position = uWorldViewProjection * vec4(aPosition, 1.0);
    vColour = uDiffuse * max(dot(uNormalMatrix * aNormal, vec3(0.0, 0.0, 1.0)), 0.0);
}
)";
const char* const kFragmentShader = R"(#version 330 core
in vec3 vColour;
out vec4 fragColour;
void main() { fragColour = vec4(vColour, 1.0); }
)";

GLuint Compile(const BareGlFunctions& gl, GLenum type, const char* source, std::string& error)
{
    const GLuint shader = gl.CreateShader(type);
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint ok = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE)
    {
        char log[256] = "";
        gl.GetShaderInfoLog(shader, sizeof log, nullptr, log);
        error = std::string("a floor shader does not compile: ") + log;
        return 0;
    }
    return shader;
}

} // namespace

bool SceneFloor::Init(BareGlWindow& window, int width, int height, std::string& error)
{
    gl_ = &window.Gl();
    const BareGlFunctions& gl = *gl_;
    const GLuint vertex = Compile(gl, GL_VERTEX_SHADER, kVertexShader, error);
    const GLuint fragment = vertex ? Compile(gl, GL_FRAGMENT_SHADER, kFragmentShader, error) : 0;
    if (fragment == 0)
        return false;
    program_ = gl.CreateProgram();
    gl.AttachShader(program_, vertex);
    gl.AttachShader(program_, fragment);
    gl.LinkProgram(program_);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(program_, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE)
    {
        error = "the floor's shader program does not link";
        return false;
    }
    gl.UseProgram(program_);
    worldViewProjection_ = gl.GetUniformLocation(program_, "uWorldViewProjection");
    normalMatrix_ = gl.GetUniformLocation(program_, "uNormalMatrix");
    diffuse_ = gl.GetUniformLocation(program_, "uDiffuse");

    const Matrix view = LookAt(kEye, kLookAt, kUp);
    const Matrix projection =
        Perspective(3.14159265f / 4, float(width) / float(height), 0.5f, 1000.0f);
    const Matrix viewProjection = Multiply(view, projection);
    std::copy(std::begin(viewProjection.m), std::end(viewProjection.m), viewProjection_);

    // Direct3D's depth range and test.
    gl.ClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
    gl.Enable(GL_DEPTH_TEST);
    gl.DepthFunc(GL_LEQUAL);
    gl.Viewport(0, 0, width, height);
    gl.ClearColor(155 / 255.0f, 155 / 255.0f, 1.0f, 1.0f);

    // The files the program reads, from its own mesh table.
    const CWorldInspector::DrawnMeshFiles files = CWorldInspector::DrawnFiles();
    return LoadMesh(files.fuselage, fuselage_, error) &&
           LoadMesh(files.frontWheel, frontWheel_, error) &&
           LoadMesh(files.leftWheel, leftWheel_, error) &&
           LoadMesh(files.rightWheel, rightWheel_, error) &&
           LoadMesh(files.frontStrut, frontStrut_, error) &&
           LoadMesh(files.mainStrut, mainStrut_, error);
}

bool SceneFloor::LoadMesh(const char* path, Mesh& mesh, std::string& error)
{
    CMeshFile meshFile;
    if (!meshFile.Load(path) || meshFile.GetIndexSize() != 32)
    {
        error = meshFile.IsLoaded() ? std::string(path) + ": not a mesh with 32-bit indices"
                                    : std::string(meshFile.GetError());
        return false;
    }
    const BareGlFunctions& gl = *gl_;
    GLuint buffers[2];
    gl.GenVertexArrays(1, &mesh.vertexArray);
    gl.GenBuffers(2, buffers);
    gl.BindVertexArray(mesh.vertexArray);
    gl.BindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    gl.BufferData(GL_ARRAY_BUFFER, GLsizeiptr(meshFile.GetVertexValueCount() * sizeof(float)),
                  meshFile.GetVertices(), GL_STATIC_DRAW);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    gl.BufferData(GL_ELEMENT_ARRAY_BUFFER,
                  GLsizeiptr(meshFile.GetIndex32Count() * sizeof(unsigned int)),
                  meshFile.GetIndices32(), GL_STATIC_DRAW);
    // Position and normal, six floats a vertex (the art's format).
    gl.VertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 24, nullptr);
    gl.VertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 24, reinterpret_cast<const void*>(12));
    gl.EnableVertexAttribArray(0);
    gl.EnableVertexAttribArray(1);
    mesh.indexCount = GLsizei(meshFile.GetIndexCount());
    return true;
}

void SceneFloor::Draw()
{
    const BareGlFunctions& gl = *gl_;
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    struct Placed
    {
        const Mesh& mesh;
        const float* position;
        float offset[3];
        bool red;
    };
    const Placed draws[] = {
        {fuselage_, kFuselage, {0, 0, 0}, false},
        {frontWheel_, kFrontWheel, {0, 0, 0}, true},
        {frontStrut_, kFrontWheel, {0.0f, 0.21f, -0.05f}, false},
        {mainStrut_, kLeftWheel, {0.125f, 0.13f, 0.015f}, false},
        {mainStrut_, kRightWheel, {-0.125f, 0.13f, 0.015f}, false},
        {leftWheel_, kLeftWheel, {0, 0, 0}, false},
        {rightWheel_, kRightWheel, {0, 0, 0}, false},
    };
    Matrix viewProjection;
    std::copy(std::begin(viewProjection_), std::end(viewProjection_), viewProjection.m);
    for (const Placed& draw : draws)
    {
        const float position[3] = {draw.position[0] + draw.offset[0],
                                   draw.position[1] + draw.offset[1],
                                   draw.position[2] + draw.offset[2]};
        const Matrix world = Pose(position, kOrientation);
        const Matrix worldViewProjection = Multiply(world, viewProjection);
        // The normals turn with the world's rotation; the light is in world axes.
        const float normal[9] = {world.m[0], world.m[1], world.m[2], world.m[4], world.m[5],
                                 world.m[6], world.m[8], world.m[9], world.m[10]};
        gl.UniformMatrix4fv(worldViewProjection_, 1, GL_FALSE, worldViewProjection.m);
        gl.UniformMatrix3fv(normalMatrix_, 1, GL_FALSE, normal);
        gl.Uniform3f(diffuse_, 1.0f, draw.red ? 0.0f : 1.0f, draw.red ? 0.0f : 1.0f);
        gl.BindVertexArray(draw.mesh.vertexArray);
        gl.DrawElements(GL_TRIANGLES, draw.mesh.indexCount, GL_UNSIGNED_INT, nullptr);
    }
}

} // namespace bench
