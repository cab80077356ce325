// A scene: actors, joints and materials stepped together.
#pragma once

#include "NxSceneDesc.h"

class NxActor;
class NxActorDesc;
class NxJoint;
class NxJointDesc;
class NxMaterial;
class NxMaterialDesc;
class NxPhysicsSDK;
class NxShape;

enum NxSimulationStatus : int
{
    NX_RIGID_BODY_FINISHED = (1 << 0),
    NX_ALL_FINISHED = NX_RIGID_BODY_FINISHED,
    NX_PRIMARY_FINISHED = (1 << 1),
};

// Flags of an actor pair or a shape pair; only NX_IGNORE_PAIR is supported.
enum NxContactPairFlag : int
{
    NX_IGNORE_PAIR = (1 << 0), // no contact is ever made between the two
};

class NxScene
{
public:
    virtual NxPhysicsSDK& getPhysicsSDK() = 0;

    virtual void setGravity(const NxVec3& vec) = 0;
    virtual void getGravity(NxVec3& vec) = 0;
    virtual void setTiming(NxReal maxTimestep = 1.0f / 60.0f, NxU32 maxIter = 8,
                           NxTimeStepMethod method = NX_TIMESTEP_FIXED) = 0;
    virtual void getTiming(NxReal& maxTimestep, NxU32& maxIter, NxTimeStepMethod& method) const = 0;

    // Each returns null, with an error line, for an invalid descriptor.
    virtual NxActor* createActor(const NxActorDesc& desc) = 0;
    virtual NxU32 getNbActors() const = 0;
    virtual NxJoint* createJoint(const NxJointDesc& desc) = 0;
    virtual NxU32 getNbJoints() const = 0;
    virtual NxMaterial* createMaterial(const NxMaterialDesc& desc) = 0;
    // Null, with an error line, for an index the scene does not have.
    virtual NxMaterial* getMaterialFromIndex(NxMaterialIndex matIndex) = 0;
    virtual NxU32 getNbMaterials() const = 0;
    virtual NxMaterialIndex getHighestMaterialIndex() const = 0;

    virtual void setActorPairFlags(NxActor& actorA, NxActor& actorB, NxU32 nxContactPairFlag) = 0;
    virtual NxU32 getActorPairFlags(NxActor& actorA, NxActor& actorB) const = 0;
    virtual void setShapePairFlags(NxShape& shapeA, NxShape& shapeB, NxU32 nxContactPairFlag) = 0;
    virtual NxU32 getShapePairFlags(NxShape& shapeA, NxShape& shapeB) const = 0;

    // Advances the scene by elapsedTime seconds in its steps. The results are
    // ready when simulate returns; fetchResults makes them official.
    virtual void simulate(NxReal elapsedTime) = 0;
    virtual void flushStream() = 0;
    virtual bool checkResults(NxSimulationStatus status, bool block = false) = 0;
    virtual bool fetchResults(NxSimulationStatus status, bool block = false,
                              NxU32* errorState = nullptr) = 0;

    void* userData = nullptr;

protected:
    virtual ~NxScene() = default;
};
