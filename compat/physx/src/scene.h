// A scene: a Bullet world with the scene's materials, actors and joints, and
// the SDK's stepping (fixed steps of maxTimestep, at most maxIter a simulate).
#pragma once

#include "actor.h"
#include "d6_joint.h"
#include "fixed_stepper.h"
#include "material.h"
#include "pair_filter.h"

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace compat::physx
{

class Sdk;

class Scene final : public NxScene
{
public:
    Scene(Sdk& sdk, const NxSceneDesc& desc);
    ~Scene() override;

    NxPhysicsSDK& getPhysicsSDK() override;
    void setGravity(const NxVec3& vec) override;
    void getGravity(NxVec3& vec) override;
    void setTiming(NxReal maxTimestep, NxU32 maxIter, NxTimeStepMethod method) override;
    void getTiming(NxReal& maxTimestep, NxU32& maxIter, NxTimeStepMethod& method) const override;

    NxActor* createActor(const NxActorDesc& desc) override;
    NxU32 getNbActors() const override { return NxU32(actors_.size()); }
    NxJoint* createJoint(const NxJointDesc& desc) override;
    NxU32 getNbJoints() const override { return NxU32(joints_.size()); }
    NxMaterial* createMaterial(const NxMaterialDesc& desc) override;
    NxMaterial* getMaterialFromIndex(NxMaterialIndex matIndex) override;
    NxU32 getNbMaterials() const override { return NxU32(materials_.size()); }
    NxMaterialIndex getHighestMaterialIndex() const override;

    void setActorPairFlags(NxActor& actorA, NxActor& actorB, NxU32 nxContactPairFlag) override;
    NxU32 getActorPairFlags(NxActor& actorA, NxActor& actorB) const override;
    void setShapePairFlags(NxShape& shapeA, NxShape& shapeB, NxU32 nxContactPairFlag) override;
    NxU32 getShapePairFlags(NxShape& shapeA, NxShape& shapeB) const override;

    void simulate(NxReal elapsedTime) override;
    void flushStream() override {}
    bool checkResults(NxSimulationStatus status, bool block) override;
    bool fetchResults(NxSimulationStatus status, bool block, NxU32* errorState) override;

    btDiscreteDynamicsWorld& World() { return *world_; }
    // Null for an index the scene does not have.
    Material* FindMaterial(NxMaterialIndex index) const;
    unsigned StepsInLastSimulate() const { return stepsInLastSimulate_; }
    std::uint64_t TotalSteps() const { return totalSteps_; }
    int ContactPointCount(const Actor& a, const Actor& b) const;

private:
    void Step(NxReal step);
    // The scene's actor behind `actor`, or null after an error line for `call`.
    Actor* Own(NxActor* actor, const char* call) const;
    // Both actors of the pair are the scene's and differ, and only
    // NX_IGNORE_PAIR is asked; otherwise an error line for `call`.
    bool PairCallIsValid(const Actor* a, const Actor* b, NxU32 flags, const char* call) const;
    // Drops Bullet's cached pair of the two actors, with its contacts, when
    // they are now ignored; adds it when they are not and overlap.
    void UpdatePair(const Actor& a, const Actor& b);
    void UseMostSolverIterations();

    Sdk& sdk_;
    PairFilter pairFilter_;
    std::unique_ptr<btDefaultCollisionConfiguration> collisionConfiguration_;
    std::unique_ptr<btCollisionDispatcher> dispatcher_;
    std::unique_ptr<btDbvtBroadphase> broadphase_;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver_;
    std::unique_ptr<btDiscreteDynamicsWorld> world_;
    // Released before the world, joints before the actors they hold.
    std::vector<std::unique_ptr<Material>> materials_;
    std::vector<std::unique_ptr<Actor>> actors_;
    std::vector<std::unique_ptr<D6Joint>> joints_;

    NxReal maxTimestep_ = 0;
    NxU32 maxIter_ = 0;
    NxTimeStepMethod method_ = NX_TIMESTEP_FIXED;
    FixedStepper stepper_;
    NxReal tunedStep_ = 0;
    bool resultsPending_ = false;
    unsigned stepsInLastSimulate_ = 0;
    std::uint64_t totalSteps_ = 0;
};

} // namespace compat::physx
