// The world's part tree, camera viewpoints and control channels, as Init
// creates them.
#include "world/World.h"

#include "scene/PoseNode.h"
#include "world/ChannelTable.h"
#include "world/ControlChannel.h"

#include <cstdlib>
#include <new>

namespace
{
CPoseNode* NewNode(CPoseNode* parent, float x, float y, float z)
{
    CPoseNode* node = new CPoseNode();
    node->SetPosition(x, y, z);
    node->SetParent(parent);
    return node;
}

CControlChannel* NewChannel(float minimum, float maximum, float time, float value)
{
    CControlChannel* channel = new CControlChannel();
    channel->Init(minimum, maximum, time, value);
    return channel;
}
} // namespace

void CWorld::CreatePartNodes()
{
    // The root faces the other way round: its children's -z offsets (the
    // tail, the cameras behind) land on +z in the world.
    m_rootNode = NewNode(nullptr, 0.0f, 0.0f, 0.0f);
    m_rootNode->Rotate(0.0f, 1.0f, 0.0f, 180.0f);

    m_wingNode = NewNode(m_rootNode, 0.0f, 0.0f, 0.0f);
    m_leftAileronNode = NewNode(m_wingNode, -3.3133f, 0.03f, -0.45f);
    m_leftAileronNode->Rotate(0.0f, 1.0f, 0.0f, 4.0f);
    m_rightAileronNode = NewNode(m_wingNode, 3.3133f, 0.03f, -0.45f);
    m_rightAileronNode->Rotate(0.0f, 1.0f, 0.0f, -4.0f);
    m_leftAileronTrailNode = NewNode(m_leftAileronNode, 0.0f, 0.0f, -0.25f);
    m_rightAileronTrailNode = NewNode(m_rightAileronNode, 0.0f, 0.0f, -0.25f);
    m_flapNode = NewNode(m_wingNode, 0.0f, 0.0f, -0.25f);
    m_flapTrailNode = NewNode(m_flapNode, 0.0f, 0.0f, -0.25f);

    m_tailNode = NewNode(m_rootNode, 0.0f, 0.0f, -5.0f);
    m_elevatorNode = NewNode(m_rootNode, 0.0f, 0.72f, -4.25f);
    m_elevatorTrailNode = NewNode(m_elevatorNode, 0.0f, 0.0f, -0.25f);
    m_rudderNode = NewNode(m_rootNode, 0.0f, 1.138f, -4.41f);
    m_rudderTrailNode = NewNode(m_rudderNode, 0.0f, 0.0f, -0.25f);
    m_propellerNode = NewNode(m_rootNode, 0.0f, 0.33f, 2.19f);
    m_frontCanopyNode = NewNode(m_rootNode, 0.0f, 0.92f, 0.1f);
    m_rearCanopyNode = NewNode(m_rootNode, 0.0f, 0.91f, -1.08f);

    m_leftBrakeFlapNode = NewNode(m_rootNode, -1.19f, -0.07f, -0.67f);
    m_leftBrakeFlapNode->Rotate(0.0f, 1.0f, 0.0f, 5.0f);
    m_leftBrakeFlapNode->Rotate(0.0f, 0.0f, 1.0f, -2.0f);
    m_rightBrakeFlapNode = NewNode(m_rootNode, 1.19f, -0.07f, -0.67f);
    m_rightBrakeFlapNode->Rotate(0.0f, 1.0f, 0.0f, -5.0f);
    m_rightBrakeFlapNode->Rotate(0.0f, 0.0f, 1.0f, 2.0f);
    m_leftBrakeFlapTrailNode = NewNode(m_leftBrakeFlapNode, 0.0f, 0.0f, -0.25f);
    m_rightBrakeFlapTrailNode = NewNode(m_rightBrakeFlapNode, 0.0f, 0.0f, -0.25f);

    m_frontWheelNode = NewNode(m_rootNode, 0.0f, -0.985f, 1.485f);
    m_leftWheelNode = NewNode(m_rootNode, -1.41f, -0.87f, -0.22f);
    m_rightWheelNode = NewNode(m_rootNode, 1.41f, -0.87f, -0.22f);
}

void CWorld::CreateChannels()
{
    for (const ChannelTableEntry& entry : s_channelTable)
        this->*entry.channel = NewChannel(entry.minimum, entry.maximum, entry.time, entry.value);
}

void CWorld::CreateCameraViewpoints()
{
    // One block of three nodes by value; the teardown gives it back with free.
    m_cameraNodes = static_cast<CPoseNode*>(std::malloc(3 * sizeof(CPoseNode)));
    for (int i = 0; i < 3; ++i)
        new (&m_cameraNodes[i]) CPoseNode();

    // Viewpoint 0 orbits behind the aircraft (under the pivot once it exists),
    // viewpoint 1 rides just above it, viewpoint 2 stands free, tilted up.
    m_cameraNodes[0].SetPosition(0.0f, 0.0f, -15.0f);
    m_cameraNodes[0].SetParent(m_rootNode);
    m_cameraNodes[1].SetPosition(0.0f, 1.0f, -0.4f);
    m_cameraNodes[1].SetParent(m_rootNode);
    m_cameraNodes[2].SetPosition(0.0f, 1.0f, -150.0f);
    m_cameraNodes[2].Rotate(1.0f, 0.0f, 0.0f, -5.0f);
}
