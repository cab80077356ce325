#include "scene.h"

#include <compat/call_timing.h>
#include "convert.h"
#include "errors.h"
#include "sdk.h"
#include "validation.h"

#include <compat/physx.h>

#include <algorithm>
#include <cmath>

namespace compat::physx
{

namespace
{
unsigned liveScenes = 0;
// Bullet keeps contact points up to a few centimetres apart (more for large
// shapes); only those where the shapes meet count as touching.
constexpr btScalar kTouching = 0.001f;
} // namespace

Scene::Scene(Sdk& sdk, const NxSceneDesc& desc) : sdk_(sdk)
{
    collisionConfiguration_ = std::make_unique<btDefaultCollisionConfiguration>();
    dispatcher_ = std::make_unique<btCollisionDispatcher>(collisionConfiguration_.get());
    broadphase_ = std::make_unique<btDbvtBroadphase>();
    broadphase_->getOverlappingPairCache()->setOverlapFilterCallback(&pairFilter_);
    solver_ = std::make_unique<btSequentialImpulseConstraintSolver>();
    world_ = std::make_unique<btDiscreteDynamicsWorld>(
        dispatcher_.get(), broadphase_.get(), solver_.get(), collisionConfiguration_.get());
    world_->setGravity(ToBullet(desc.gravity));
    // Approach speeds below the bounce threshold do not bounce.
    world_->getSolverInfo().m_restitutionVelocityThreshold =
        -sdk.CurrentParameters().bounceThreshold;
    userData = desc.userData;
    setTiming(desc.maxTimestep, desc.maxIter, desc.timeStepMethod);
    UseMostSolverIterations();

    // The default material, index 0, which every shape uses unless told otherwise.
    NxMaterialDesc defaultMaterial;
    defaultMaterial.dynamicFriction = 0.5f;
    defaultMaterial.staticFriction = 0.5f;
    defaultMaterial.restitution = 0.5f;
    materials_.push_back(std::make_unique<Material>(*this, 0, defaultMaterial));
    ++liveScenes;
}

Scene::~Scene()
{
    joints_.clear();
    actors_.clear();
    --liveScenes;
}

NxPhysicsSDK& Scene::getPhysicsSDK()
{
    return sdk_;
}

void Scene::setGravity(const NxVec3& vec)
{
    if (!vec.isFinite())
    {
        ReportError("NxScene::setGravity: the gravity is not finite");
        return;
    }
    world_->setGravity(ToBullet(vec));
}

void Scene::getGravity(NxVec3& vec)
{
    vec = ToNx(world_->getGravity());
}

void Scene::setTiming(NxReal maxTimestep, NxU32 maxIter, NxTimeStepMethod method)
{
    NxSceneDesc timing;
    timing.maxTimestep = maxTimestep;
    timing.maxIter = maxIter;
    timing.timeStepMethod = method;
    if (const std::string problem = ProblemWith(timing); !problem.empty())
    {
        ReportError("NxScene::setTiming: %s", problem.c_str());
        return;
    }
    maxTimestep_ = maxTimestep;
    maxIter_ = maxIter;
    method_ = method;
    stepper_.SetTiming(maxTimestep, maxIter);
}

void Scene::getTiming(NxReal& maxTimestep, NxU32& maxIter, NxTimeStepMethod& method) const
{
    maxTimestep = maxTimestep_;
    maxIter = maxIter_;
    method = method_;
}

NxActor* Scene::createActor(const NxActorDesc& desc)
{
    const timing::TimedCall timed(timing::Call::physicsCreation);
    std::string problem = ProblemWith(desc);
    if (problem.empty())
    {
        const NxShapeDesc& shape = *desc.shapes[0];
        const NxReal skinWidth =
            shape.skinWidth >= 0 ? shape.skinWidth : sdk_.CurrentParameters().skinWidth;
        problem = ProblemWithSkin(shape, skinWidth);
        if (!FindMaterial(shape.materialIndex))
            problem = Format("the scene has no material %u", unsigned(shape.materialIndex));
    }
    if (!problem.empty())
    {
        ReportError("NxScene::createActor: %s", problem.c_str());
        return nullptr;
    }
    actors_.push_back(std::make_unique<Actor>(*this, desc, sdk_.CurrentParameters()));
    UseMostSolverIterations();
    return actors_.back().get();
}

Actor* Scene::Own(NxActor* actor, const char* call) const
{
    for (const auto& owned : actors_)
        if (owned.get() == actor)
            return owned.get();
    ReportError("NxScene::%s: the actor is not one of this scene's", call);
    return nullptr;
}

NxJoint* Scene::createJoint(const NxJointDesc& desc)
{
    const timing::TimedCall timed(timing::Call::physicsCreation);
    if (const std::string problem = ProblemWith(desc); !problem.empty())
    {
        ReportError("NxScene::createJoint: %s", problem.c_str());
        return nullptr;
    }
    Actor* actors[2] = {};
    for (int i = 0; i < 2; ++i)
        if (desc.actor[i] && !(actors[i] = Own(desc.actor[i], "createJoint")))
            return nullptr;
    const auto moves = [](const Actor* actor) { return actor && actor->isDynamic(); };
    if (!moves(actors[0]) && !moves(actors[1]))
    {
        ReportError("NxScene::createJoint: neither actor is dynamic");
        return nullptr;
    }
    joints_.push_back(std::make_unique<D6Joint>(*this, static_cast<const NxD6JointDesc&>(desc),
                                                actors[0], actors[1]));
    joints_.back()->Tune(tunedStep_ > 0 ? tunedStep_ : maxTimestep_);
    return joints_.back().get();
}

NxMaterial* Scene::createMaterial(const NxMaterialDesc& desc)
{
    const timing::TimedCall timed(timing::Call::physicsCreation);
    if (const std::string problem = ProblemWith(desc); !problem.empty())
    {
        ReportError("NxScene::createMaterial: %s", problem.c_str());
        return nullptr;
    }
    if (materials_.size() > 0xffff)
    {
        ReportError("NxScene::createMaterial: all 65536 material indices are taken");
        return nullptr;
    }
    const auto index = NxMaterialIndex(materials_.size());
    materials_.push_back(std::make_unique<Material>(*this, index, desc));
    return materials_.back().get();
}

Material* Scene::FindMaterial(NxMaterialIndex index) const
{
    return index < materials_.size() ? materials_[index].get() : nullptr;
}

NxMaterial* Scene::getMaterialFromIndex(NxMaterialIndex matIndex)
{
    Material* material = FindMaterial(matIndex);
    if (!material)
        ReportError("NxScene::getMaterialFromIndex: the scene has no material %u",
                    unsigned(matIndex));
    return material;
}

NxMaterialIndex Scene::getHighestMaterialIndex() const
{
    return NxMaterialIndex(materials_.size() - 1);
}

bool Scene::PairCallIsValid(const Actor* a, const Actor* b, NxU32 flags, const char* call) const
{
    if (!a || !b)
        return false;
    if (a == b)
    {
        ReportError("NxScene::%s: the pair is one actor twice", call);
        return false;
    }
    if ((flags & ~NxU32(NX_IGNORE_PAIR)) != 0)
    {
        ReportError("NxScene::%s: flags 0x%x ask for more than NX_IGNORE_PAIR, which is all "
                    "that is supported",
                    call, unsigned(flags));
        return false;
    }
    return true;
}

void Scene::UpdatePair(const Actor& a, const Actor& b)
{
    btBroadphaseProxy* proxyA = a.Body().getBroadphaseHandle();
    btBroadphaseProxy* proxyB = b.Body().getBroadphaseHandle();
    btOverlappingPairCache* pairs = broadphase_->getOverlappingPairCache();
    if (pairFilter_.Ignored(a, b))
        pairs->removeOverlappingPair(proxyA, proxyB, dispatcher_.get());
    // The broadphase adds a pair only as the two start to overlap.
    else if (TestAabbAgainstAabb2(proxyA->m_aabbMin, proxyA->m_aabbMax, proxyB->m_aabbMin,
                                  proxyB->m_aabbMax))
        pairs->addOverlappingPair(proxyA, proxyB);
}

void Scene::setActorPairFlags(NxActor& actorA, NxActor& actorB, NxU32 nxContactPairFlag)
{
    Actor* a = Own(&actorA, "setActorPairFlags");
    Actor* b = a ? Own(&actorB, "setActorPairFlags") : nullptr;
    if (!PairCallIsValid(a, b, nxContactPairFlag, "setActorPairFlags"))
        return;
    pairFilter_.SetActorPair(*a, *b, nxContactPairFlag);
    UpdatePair(*a, *b);
}

NxU32 Scene::getActorPairFlags(NxActor& actorA, NxActor& actorB) const
{
    Actor* a = Own(&actorA, "getActorPairFlags");
    Actor* b = a ? Own(&actorB, "getActorPairFlags") : nullptr;
    return a && b ? pairFilter_.ActorPair(*a, *b) : 0;
}

void Scene::setShapePairFlags(NxShape& shapeA, NxShape& shapeB, NxU32 nxContactPairFlag)
{
    Actor* a = Own(&shapeA.getActor(), "setShapePairFlags");
    Actor* b = a ? Own(&shapeB.getActor(), "setShapePairFlags") : nullptr;
    if (!PairCallIsValid(a, b, nxContactPairFlag, "setShapePairFlags"))
        return;
    pairFilter_.SetShapePair(a->OnlyShape(), b->OnlyShape(), nxContactPairFlag);
    UpdatePair(*a, *b);
}

NxU32 Scene::getShapePairFlags(NxShape& shapeA, NxShape& shapeB) const
{
    Actor* a = Own(&shapeA.getActor(), "getShapePairFlags");
    Actor* b = a ? Own(&shapeB.getActor(), "getShapePairFlags") : nullptr;
    return a && b ? pairFilter_.ShapePair(a->OnlyShape(), b->OnlyShape()) : 0;
}

void Scene::UseMostSolverIterations()
{
    NxU32 most = 4;
    for (const auto& actor : actors_)
        most = std::max(most, actor->getSolverIterationCount());
    world_->getSolverInfo().m_numIterations = int(most);
}

void Scene::simulate(NxReal elapsedTime)
{
    const timing::TimedCall timed(timing::Call::physicsStep);
    if (!std::isfinite(elapsedTime) || elapsedTime < 0)
    {
        ReportError("NxScene::simulate: elapsed time %g is not a finite number of seconds, 0 "
                    "or more",
                    double(elapsedTime));
        return;
    }
    if (resultsPending_)
    {
        ReportError("NxScene::simulate: called again before fetchResults");
        return;
    }
    resultsPending_ = true;
    unsigned steps = 0;
    NxReal step = maxTimestep_;
    if (method_ == NX_TIMESTEP_FIXED)
        steps = stepper_.Advance(elapsedTime);
    else if (elapsedTime > 0)
    {
        steps = 1;
        step = elapsedTime;
    }
    for (unsigned i = 0; i < steps; ++i)
        Step(step);
    for (const auto& actor : actors_)
        actor->AfterSimulate();
    stepsInLastSimulate_ = steps;
    totalSteps_ += steps;
}

void Scene::Step(NxReal step)
{
    if (step != tunedStep_)
    {
        for (const auto& joint : joints_)
            joint->Tune(step);
        tunedStep_ = step;
    }
    // Bullet clears the bodies' forces after each of its steps.
    for (const auto& actor : actors_)
        actor->BeforeStep();
    for (const auto& joint : joints_)
        joint->BeforeStep();
    world_->stepSimulation(step, 0, step);
    for (const auto& actor : actors_)
        actor->AfterStep();
}

bool Scene::checkResults(NxSimulationStatus, bool)
{
    return resultsPending_;
}

bool Scene::fetchResults(NxSimulationStatus, bool, NxU32* errorState)
{
    const timing::TimedCall timed(timing::Call::physicsStep);
    if (errorState)
        *errorState = 0;
    const bool fetched = resultsPending_;
    resultsPending_ = false;
    return fetched;
}

int Scene::ContactPointCount(const Actor& a, const Actor& b) const
{
    int points = 0;
    for (int i = 0; i < dispatcher_->getNumManifolds(); ++i)
    {
        const btPersistentManifold* manifold = dispatcher_->getManifoldByIndexInternal(i);
        const btCollisionObject* body0 = manifold->getBody0();
        const btCollisionObject* body1 = manifold->getBody1();
        if ((body0 == &a.Body() && body1 == &b.Body()) ||
            (body0 == &b.Body() && body1 == &a.Body()))
            for (int j = 0; j < manifold->getNumContacts(); ++j)
                points += manifold->getContactPoint(j).getDistance() <= kTouching ? 1 : 0;
    }
    return points;
}

unsigned LiveSceneCount()
{
    return liveScenes;
}

unsigned StepsInLastSimulate(const NxScene& scene)
{
    return static_cast<const Scene&>(scene).StepsInLastSimulate();
}

std::uint64_t TotalSteps(const NxScene& scene)
{
    return static_cast<const Scene&>(scene).TotalSteps();
}

int ContactPointCount(const NxScene& scene, const NxActor& a, const NxActor& b)
{
    return static_cast<const Scene&>(scene).ContactPointCount(static_cast<const Actor&>(a),
                                                              static_cast<const Actor&>(b));
}

} // namespace compat::physx
