#include "pair_filter.h"

#include "actor.h"

#include <functional>

namespace compat::physx
{

PairFilter::Key PairFilter::KeyOf(const void* a, const void* b)
{
    return std::less<const void*>()(a, b) ? Key(a, b) : Key(b, a);
}

void PairFilter::Set(std::map<Key, NxU32>& flags, Key key, NxU32 value)
{
    if (value == 0)
        flags.erase(key);
    else
        flags[key] = value;
}

NxU32 PairFilter::Get(const std::map<Key, NxU32>& flags, Key key)
{
    const auto found = flags.find(key);
    return found == flags.end() ? 0 : found->second;
}

void PairFilter::SetActorPair(const Actor& a, const Actor& b, NxU32 flags)
{
    Set(actorPairs_, KeyOf(&a, &b), flags);
}

NxU32 PairFilter::ActorPair(const Actor& a, const Actor& b) const
{
    return Get(actorPairs_, KeyOf(&a, &b));
}

void PairFilter::SetShapePair(const Shape& a, const Shape& b, NxU32 flags)
{
    Set(shapePairs_, KeyOf(&a, &b), flags);
}

NxU32 PairFilter::ShapePair(const Shape& a, const Shape& b) const
{
    return Get(shapePairs_, KeyOf(&a, &b));
}

bool PairFilter::Ignored(const Actor& a, const Actor& b) const
{
    return ((ActorPair(a, b) | ShapePair(a.OnlyShape(), b.OnlyShape())) & NX_IGNORE_PAIR) != 0;
}

bool PairFilter::needBroadphaseCollision(btBroadphaseProxy* proxy0, btBroadphaseProxy* proxy1) const
{
    // Bullet's own rule first: static objects never meet each other.
    const bool groupsMeet = (proxy0->m_collisionFilterGroup & proxy1->m_collisionFilterMask) &&
                            (proxy1->m_collisionFilterGroup & proxy0->m_collisionFilterMask);
    if (!groupsMeet)
        return false;
    const auto* a = static_cast<const btCollisionObject*>(proxy0->m_clientObject);
    const auto* b = static_cast<const btCollisionObject*>(proxy1->m_clientObject);
    return !Ignored(*static_cast<const Actor*>(a->getUserPointer()),
                    *static_cast<const Actor*>(b->getUserPointer()));
}

} // namespace compat::physx
