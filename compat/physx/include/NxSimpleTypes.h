// The SDK's scalar types and limits.
#pragma once

#include <cfloat>
#include <cstdint>

typedef float NxReal;
typedef float NxF32;
typedef double NxF64;
typedef std::int8_t NxI8;
typedef std::int16_t NxI16;
typedef std::int32_t NxI32;
typedef std::uint8_t NxU8;
typedef std::uint16_t NxU16;
typedef std::uint32_t NxU32;

// Index of a material in its scene; 0 is the scene's default material.
typedef NxU16 NxMaterialIndex;

#define NX_MAX_REAL FLT_MAX
#define NX_MAX_U32 0xffffffffu

#define NX_INLINE inline

// How long a body stays awake after it was woken without a count: 20 steps of
// 1/50 s.
#define NX_SLEEP_INTERVAL (20.0f * 0.02f)
