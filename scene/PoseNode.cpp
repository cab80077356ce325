#include "scene/PoseNode.h"

#include <cmath>
#include <cstdio>

namespace
{
// Degrees to radians: pi / 180 rounded to a float.
const float g_degreesToRadians = 0.017453292f;

// The flight step's constants.
const float g_turnDivisor = 200.0f;  // control value / this × distance = degrees
const float g_airborneHeight = 1.1f; // above it the roll acts and the node sinks
const float g_moveDivisor = 100.0f;  // distance / this = length moved forward
const float g_sinkPerStep = 0.0045f; // height lost per step while airborne
const float g_floorHeight = 1.0f;    // the node never goes below it

bool AreFinite(const char* operation, float a, float b, float c, float d)
{
    if (std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d))
        return true;
    std::fprintf(stderr, "CPoseNode::%s: arguments (%g, %g, %g, %g) must all be finite\n",
                 operation, static_cast<double>(a), static_cast<double>(b), static_cast<double>(c),
                 static_cast<double>(d));
    return false;
}
} // namespace

CPoseNode::CPoseNode()
    : m_parent(nullptr), m_position(0.0f, 0.0f, 0.0f), m_orientation(0.0f, 0.0f, 0.0f, 1.0f),
      m_speed(0.0f)
{
}

CPoseNode& CPoseNode::operator=(const CPoseNode& other)
{
    if (other.m_parent && other.m_parent->ChainContains(this))
    {
        std::fprintf(stderr, "CPoseNode: copying a descendant over its ancestor would make the "
                             "node its own ancestor\n");
        return *this;
    }
    m_parent = other.m_parent;
    m_position = other.m_position;
    m_orientation = other.m_orientation;
    m_speed = other.m_speed;
    return *this;
}

CPoseNode::~CPoseNode() {}

bool CPoseNode::ChainContains(const CPoseNode* node) const
{
    for (const CPoseNode* link = this; link; link = link->m_parent)
        if (link == node)
            return true;
    return false;
}

bool CPoseNode::SetParent(CPoseNode* parent)
{
    if (parent && parent->ChainContains(this))
    {
        std::fprintf(stderr, "CPoseNode::SetParent: the parent is this node or one of its "
                             "descendants\n");
        return false;
    }
    m_parent = parent;
    return true;
}

void CPoseNode::SetPosition(float x, float y, float z)
{
    if (!AreFinite("SetPosition", x, y, z, 0.0f))
        return;
    m_position = D3DXVECTOR3(x, y, z);
}

void CPoseNode::Move(float dx, float dy, float dz)
{
    if (!AreFinite("Move", dx, dy, dz, 0.0f))
        return;
    m_position.x += dx;
    m_position.y += dy;
    m_position.z += dz;
}

void CPoseNode::Rotate(float x, float y, float z, float degrees)
{
    if (!AreFinite("Rotate", x, y, z, degrees))
        return;
    if (x == 0.0f && y == 0.0f && z == 0.0f)
    {
        std::fprintf(stderr, "CPoseNode::Rotate: the axis (0, 0, 0) has no direction\n");
        return;
    }

    const float angle = degrees * g_degreesToRadians;
    const D3DXVECTOR3 vAxis(x, y, z);
    D3DXQUATERNION qTurn;
    D3DXQuaternionRotationAxis(&qTurn, &vAxis, angle);
    // The turn first, then the old orientation: R(new) = R(turn) × R(old),
    // so the axis is one of the node's own frame, not the parent's.
    D3DXQuaternionMultiply(&m_orientation, &qTurn, &m_orientation);
}

D3DXQUATERNION CPoseNode::GetWorldOrientation(bool localOnly) const
{
    if (localOnly || !m_parent)
        return m_orientation;

    const D3DXQUATERNION qParent = m_parent->GetWorldOrientation(false);
    D3DXQUATERNION qWorld;
    D3DXQuaternionMultiply(&qWorld, &m_orientation, &qParent);
    return qWorld;
}

D3DXVECTOR3 CPoseNode::GetWorldPosition(bool localOnly) const
{
    if (localOnly || !m_parent)
        return m_position;

    const D3DXQUATERNION qParent = m_parent->GetWorldOrientation(false);
    D3DXMATRIX matParent;
    D3DXMatrixRotationQuaternion(&matParent, &qParent);
    D3DXVECTOR3 vWorld;
    D3DXVec3TransformCoord(&vWorld, &m_position, &matParent);
    return vWorld + m_parent->GetWorldPosition(false);
}

void CPoseNode::Fly(float pitch, float yaw, float roll, float distance)
{
    if (!AreFinite("Fly", pitch, yaw, roll, distance))
        return;

    m_speed = distance;

    // Turn in the order roll, pitch, yaw, each about the node's own axis;
    // the roll only while airborne.
    if (m_position.y > g_airborneHeight && roll != 0.0f)
        Rotate(0.0f, 0.0f, 1.0f, roll / g_turnDivisor * m_speed);
    if (m_speed != 0.0f)
    {
        if (pitch != 0.0f)
            Rotate(1.0f, 0.0f, 0.0f, pitch / g_turnDivisor * m_speed);
        if (yaw != 0.0f)
            Rotate(0.0f, 1.0f, 0.0f, yaw / g_turnDivisor * m_speed);
    }

    // Forward is the node's own z axis: the third row of its rotation.
    if (m_speed != 0.0f)
    {
        D3DXMATRIX matOrientation;
        D3DXMatrixRotationQuaternion(&matOrientation, &m_orientation);
        const D3DXVECTOR3 vForward(matOrientation._31, matOrientation._32, matOrientation._33);
        m_position += m_speed / g_moveDivisor * vForward;
    }

    if (m_position.y > g_airborneHeight)
        m_position.y -= g_sinkPerStep;
    if (m_position.y < g_floorHeight)
        m_position.y = g_floorHeight;
}
