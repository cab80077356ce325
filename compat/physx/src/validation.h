// What is wrong with a descriptor, in words for an error line; empty when it
// is valid. The descriptors' isValid() answer from these.
#pragma once

#include "errors.h"

#include <NxPhysics.h>

#include <string>

namespace compat::physx
{

std::string ProblemWith(const NxSceneDesc& desc);
std::string ProblemWith(const NxMaterialDesc& desc);
std::string ProblemWith(const NxShapeDesc& desc);
std::string ProblemWith(const NxBodyDesc& desc);
std::string ProblemWith(const NxActorDesc& desc);
std::string ProblemWith(const NxJointDesc& desc);

// printf into a string.
std::string Format(const char* format, ...) __attribute__((format(PHYSX_PRINTF_FORMAT, 1, 2)));

} // namespace compat::physx
