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

} // namespace compat::physx
