// The scene's actor-pair and shape-pair flags, and the broadphase filter that
// keeps ignored pairs from ever meeting in Bullet.
#pragma once

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

#include <map>
#include <utility>

namespace compat::physx
{

class Actor;
class Shape;

class PairFilter final : public btOverlapFilterCallback
{
public:
    void SetActorPair(const Actor& a, const Actor& b, NxU32 flags);
    NxU32 ActorPair(const Actor& a, const Actor& b) const;
    void SetShapePair(const Shape& a, const Shape& b, NxU32 flags);
    NxU32 ShapePair(const Shape& a, const Shape& b) const;

    // Whether the two actors, or their shapes, are an ignored pair.
    bool Ignored(const Actor& a, const Actor& b) const;

    bool needBroadphaseCollision(btBroadphaseProxy* proxy0,
                                 btBroadphaseProxy* proxy1) const override;

private:
    using Key = std::pair<const void*, const void*>;
    // The same key whichever way round the pair is given.
    static Key KeyOf(const void* a, const void* b);
    static void Set(std::map<Key, NxU32>& flags, Key key, NxU32 value);
    static NxU32 Get(const std::map<Key, NxU32>& flags, Key key);

    std::map<Key, NxU32> actorPairs_;
    std::map<Key, NxU32> shapePairs_;
};

} // namespace compat::physx
