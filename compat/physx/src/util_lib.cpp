// The utility library's joint set-up from global values, which the joint
// descriptors' setGlobalAnchor and setGlobalAxis go through, as in the SDK.
#include "errors.h"

#include <NxPhysics.h>

#include <cmath>

namespace compat::physx
{

namespace
{

// The world's x, y or z axis least aligned with `axis`, made normal to it.
NxVec3 NormalTo(const NxVec3& axis)
{
    const NxVec3 units[3] = {NxVec3(1, 0, 0), NxVec3(0, 1, 0), NxVec3(0, 0, 1)};
    int least = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(axis.dot(units[i])) < std::fabs(axis.dot(units[least])))
            least = i;
    NxVec3 normal = units[least] - axis * axis.dot(units[least]);
    normal.normalize();
    return normal;
}

class UtilLib final : public NxUtilLib
{
public:
    void NxJointDesc_SetGlobalAnchor(NxJointDesc& dis, const NxVec3& wsAnchor) override
    {
        if (!wsAnchor.isFinite())
        {
            ReportError("NxJointDesc::setGlobalAnchor: the anchor is not finite");
            return;
        }
        for (int i = 0; i < 2; ++i)
        {
            if (dis.actor[i])
                dis.actor[i]->getGlobalPose().multiplyByInverseRT(wsAnchor, dis.localAnchor[i]);
            else
                dis.localAnchor[i] = wsAnchor;
        }
    }

    void NxJointDesc_SetGlobalAxis(NxJointDesc& dis, const NxVec3& wsAxis) override
    {
        NxVec3 axis = wsAxis;
        if (!axis.isFinite() || axis.normalize() == 0)
        {
            ReportError("NxJointDesc::setGlobalAxis: the axis is zero or not finite");
            return;
        }
        const NxVec3 normal = NormalTo(axis);
        for (int i = 0; i < 2; ++i)
        {
            if (dis.actor[i])
            {
                const NxMat33 orientation = dis.actor[i]->getGlobalOrientation();
                orientation.multiplyByTranspose(axis, dis.localAxis[i]);
                orientation.multiplyByTranspose(normal, dis.localNormal[i]);
            }
            else
            {
                dis.localAxis[i] = axis;
                dis.localNormal[i] = normal;
            }
        }
    }
};

} // namespace

} // namespace compat::physx

NxUtilLib* NxGetUtilLib()
{
    static compat::physx::UtilLib utilLib;
    return &utilLib;
}

void NxJointDesc::setGlobalAnchor(const NxVec3& wsAnchor)
{
    NxGetUtilLib()->NxJointDesc_SetGlobalAnchor(*this, wsAnchor);
}

void NxJointDesc::setGlobalAxis(const NxVec3& wsAxis)
{
    NxGetUtilLib()->NxJointDesc_SetGlobalAxis(*this, wsAxis);
}
