// The SDK object, its descriptor, its parameters and NxCreatePhysicsSDK.
#pragma once

#include "NxSimpleTypes.h"

class NxScene;
class NxSceneDesc;
class NxUserAllocator;
class NxUserOutputStream;

// Version 2.8.1 of the SDK, the one this stand-in answers to.
#define NX_PHYSICS_SDK_VERSION ((2 << 24) + (8 << 16) + (1 << 8) + 0)

enum NxSDKCreateError : int
{
    NXCE_NO_ERROR = 0,
    NXCE_PHYSX_NOT_FOUND = 1,
    NXCE_WRONG_VERSION = 2,
    NXCE_DESCRIPTOR_INVALID = 3,
    NXCE_CONNECTION_ERROR = 4,
    NXCE_RESET_ERROR = 5,
    NXCE_IN_USE_ERROR = 6,
    NXCE_BUNDLE_ERROR = 7,
};

// The SDK parameters this stand-in keeps. Each is the default for the objects
// created after it is set.
enum NxParameter : int
{
    NX_SKIN_WIDTH = 1,                     // metres two shapes rest inside each other (each)
    NX_DEFAULT_SLEEP_LIN_VEL_SQUARED = 2,  // a body below this squared speed may sleep
    NX_BOUNCE_THRESHOLD = 3,               // approach speeds (m/s) below -this do not bounce
    NX_MAX_ANGULAR_VELOCITY = 6,           // rad/s a body may turn at most
    NX_DEFAULT_SLEEP_ANG_VEL_SQUARED = 83, // a body below this squared turn rate may sleep
};

enum NxSDKFlags : int
{
    NX_SDKF_NO_HARDWARE = (1 << 1),
};

class NxPhysicsSDKDesc
{
public:
    NxU32 flags;

    NxPhysicsSDKDesc() { setToDefault(); }
    void setToDefault() { flags = NX_SDKF_NO_HARDWARE; }
    bool isValid() const { return true; }
};

class NxPhysicsSDK
{
public:
    // Drops one reference; the last one destroys the SDK and its scenes.
    virtual void release() = 0;

    // False, with an error line, for an unknown parameter or a bad value.
    virtual bool setParameter(NxParameter paramEnum, NxReal paramValue) = 0;
    virtual NxReal getParameter(NxParameter paramEnum) const = 0;

    // Null, with an error line, when the descriptor is invalid.
    virtual NxScene* createScene(const NxSceneDesc& sceneDesc) = 0;
    virtual void releaseScene(NxScene& scene) = 0;
    virtual NxU32 getNbScenes() const = 0;
    virtual NxScene* getScene(NxU32 i) = 0;

protected:
    virtual ~NxPhysicsSDK() = default;
};

// The SDK, or null when it cannot be had (errorCode then says why). The one SDK
// of the process is shared: each successful call adds a reference that
// release() drops. Custom allocators and output streams are not supported.
NxPhysicsSDK* NxCreatePhysicsSDK(NxU32 sdkVersion, NxUserAllocator* allocator = nullptr,
                                 NxUserOutputStream* outputStream = nullptr,
                                 const NxPhysicsSDKDesc& desc = NxPhysicsSDKDesc(),
                                 NxSDKCreateError* errorCode = nullptr);
