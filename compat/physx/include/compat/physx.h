// Controls and queries of the physics stand-in that the SDK itself does not
// have, for tests and benchmarks: a machine without the physics runtime, step
// counts, contact points, the last error line written, and the time spent
// inside the SDK's calls.
#pragma once

#include <NxPhysics.h>

#include <cstdint>
#include <string>

namespace compat::physx
{

// While unavailable, NxCreatePhysicsSDK returns null with NXCE_PHYSX_NOT_FOUND,
// as on a machine without the runtime. Available at start.
void SetRuntimeAvailable(bool available);

// Calls of NxCreatePhysicsSDK since the process started, successful or not.
unsigned SdkCreateCalls();

// Scenes alive in the process.
unsigned LiveSceneCount();

// Fixed steps that the scene's last simulate ran, and since its creation.
unsigned StepsInLastSimulate(const NxScene& scene);
std::uint64_t TotalSteps(const NxScene& scene);

// Contact points where the shapes of the two actors touch after the last step.
int ContactPointCount(const NxScene& scene, const NxActor& a, const NxActor& b);

// The last error line written on stderr since ClearLastError (empty if none).
std::string LastError();
void ClearLastError();

// Milliseconds spent inside the SDK's calls, by kind, from each call's entry
// to its return: for benchmarks that split the program's frame or start-up.
// The other calls (poses, forces, flags, descriptors) are not timed.
struct CallTimes
{
    // NxCreatePhysicsSDK, createScene, createMaterial, createActor, createJoint
    double creation = 0;
    // simulate and fetchResults: the scene's steps
    double step = 0;
};

// Starts totalling from zero, or stops. While off, a call pays one test of a
// flag; measuring never allocates.
void MeasureCallTimes(bool on);
// The totals since measuring started or since the last take, which starts
// them again from zero.
CallTimes TakeCallTimes();

} // namespace compat::physx
