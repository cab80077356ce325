// Proves the WebAssembly toolchain and the libraries scripts/web-deps builds:
// a sphere falls for 60 steps of 1/60 s in a btDiscreteDynamicsWorld above a
// static plane, a box hangs from the world on a btGeneric6DofConstraint, and
// FreeType renders one glyph of a font in the module's own file system
// (embedded at link time). Prints what it measured; exits with 1 when a
// number is not what a working build gives.
//
//   web-check.js [FONT]      (default /fonts/DejaVuSans.ttf)

#include <btBulletDynamicsCommon.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

namespace
{

int fail(const char* what)
{
    std::fprintf(stderr, "web-check: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const char* font = argc > 1 ? argv[1] : "/fonts/DejaVuSans.ttf";

    // Physics: a static plane at y = 0, a 1 kg sphere of radius 0.5 m dropped
    // from 10 m, and a 2 kg box whose centre is held 1 m below a fixed point
    // 8 m up (linear axes locked, angular axes free).
    btDefaultCollisionConfiguration config;
    btCollisionDispatcher dispatcher(&config);
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world(&dispatcher, &broadphase, &solver, &config);
    world.setGravity(btVector3(0, -9.81f, 0));

    btStaticPlaneShape plane(btVector3(0, 1, 0), 0);
    btRigidBody ground(btRigidBody::btRigidBodyConstructionInfo(0, nullptr, &plane));
    world.addRigidBody(&ground);

    btSphereShape ball(0.5f);
    btVector3 ballInertia;
    ball.calculateLocalInertia(1, ballInertia);
    btDefaultMotionState ballState(btTransform(btQuaternion::getIdentity(), btVector3(0, 10, 0)));
    btRigidBody sphere(btRigidBody::btRigidBodyConstructionInfo(1, &ballState, &ball, ballInertia));
    world.addRigidBody(&sphere);

    btBoxShape crate(btVector3(0.25f, 0.25f, 0.25f));
    btVector3 crateInertia;
    crate.calculateLocalInertia(2, crateInertia);
    btDefaultMotionState crateState(btTransform(btQuaternion::getIdentity(), btVector3(3, 7, 0)));
    btRigidBody box(btRigidBody::btRigidBodyConstructionInfo(2, &crateState, &crate, crateInertia));
    box.setActivationState(DISABLE_DEACTIVATION);
    world.addRigidBody(&box);

    btTransform pivotInBox(btQuaternion::getIdentity(), btVector3(0, 1, 0));
    btGeneric6DofConstraint hinge(box, pivotInBox, true);
    hinge.setLinearLowerLimit(btVector3(0, 0, 0));
    hinge.setLinearUpperLimit(btVector3(0, 0, 0));
    hinge.setAngularLowerLimit(btVector3(1, 1, 1)); // lower > upper: free
    hinge.setAngularUpperLimit(btVector3(0, 0, 0));
    world.addConstraint(&hinge);

    for (int i = 0; i < 60; ++i)
    {
        world.stepSimulation(1.0f / 60, 1, 1.0f / 60);
    }
    const float sphereY = sphere.getCenterOfMassPosition().y();
    const float boxY = box.getCenterOfMassPosition().y();
    world.removeConstraint(&hinge);
    world.removeRigidBody(&box);
    world.removeRigidBody(&sphere);
    world.removeRigidBody(&ground);
    std::printf("sphere height after 60 steps: %.4f m\n", sphereY);
    std::printf("box on the 6-DoF constraint: %.4f m\n", boxY);

    // Text: one glyph at 32 pixels per em, rendered to an 8-bit coverage bitmap.
    FT_Library ft = nullptr;
    if (FT_Init_FreeType(&ft) != 0)
    {
        return fail("FreeType did not start");
    }
    FT_Face face = nullptr;
    if (FT_New_Face(ft, font, 0, &face) != 0)
    {
        std::fprintf(stderr, "web-check: FreeType cannot open %s\n", font);
        return 1;
    }
    FT_Set_Pixel_Sizes(face, 0, 32);
    if (FT_Load_Char(face, 'A', FT_LOAD_RENDER) != 0)
    {
        return fail("FreeType cannot render 'A'");
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    long ink = 0;
    for (unsigned y = 0; y < bitmap.rows; ++y)
    {
        for (unsigned x = 0; x < bitmap.width; ++x)
        {
            ink += bitmap.buffer[y * bitmap.pitch + x];
        }
    }
    std::printf("glyph 'A' of %s at 32 px: %u x %u pixels, coverage %.1f pixels\n",
                face->family_name, bitmap.width, bitmap.rows, ink / 255.0);
    const unsigned width = bitmap.width;
    const unsigned rows = bitmap.rows;
    FT_Done_Face(face);
    FT_Done_FreeType(ft);

    // A free fall of one second from 10 m (semi-implicit Euler, 60 steps) ends
    // near 5 m; the box stays on its 1 m arm below the point 8 m up.
    if (!(sphereY > 4.9f && sphereY < 5.2f))
    {
        return fail("the sphere is not where a one-second fall puts it");
    }
    if (!(boxY > 6.99f && boxY < 7.01f))
    {
        return fail("the box left its constraint");
    }
    if (width == 0 || rows == 0 || ink == 0)
    {
        return fail("the glyph's bitmap is empty");
    }
    return 0;
}
