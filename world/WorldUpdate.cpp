// One step of the world: keys, reset and push, controls, engine, part
// nodes, the kinematic flight, the camera and the physics step.
#include "world/World.h"

#include "platform/Keyboard.h"
#include "scene/PoseNode.h"
#include "world/ControlChannel.h"
#include "world/Engine.h"
#include "world/WorldGlobals.h"

#include <cmath>

float g_frameTime = 0.0f;
float g_flightSpeed = 0.0f;
bool g_brakeFlapTowardMin = true;
bool g_frontCanopyTowardMax = false;
bool g_rearCanopyTowardMax = false;

namespace
{
// A canopy key reverses its canopy's direction only while it stands at an end.
void ReverseAtEnd(bool keyDown, const CControlChannel* channel, bool& towardMax)
{
    const float value = channel->Get();
    if (keyDown && (value == -0.5f || value == 0.0f))
        towardMax = !towardMax;
}

void Drive(CControlChannel* channel, bool towardMax, float dt)
{
    if (towardMax)
        channel->Increase(dt);
    else
        channel->Decrease(dt);
}
} // namespace

bool CWorld::Update(float dt)
{
    m_keyboard->Poll();
    if (dt <= 0.0f)
        return true;
    g_frameTime = dt;

    // Reset: the bodies jump back to their start positions, keeping their
    // velocities and orientations.
    if (m_keyboard->IsKeyDown(DIK_R))
    {
        g_fuselageActor->setGlobalPosition(g_fuselageStart);
        g_frontWheelActor->setGlobalPosition(g_frontWheelStart);
        g_rightWheelActor->setGlobalPosition(g_rightWheelStart);
        g_leftWheelActor->setGlobalPosition(g_leftWheelStart);
    }
    // Push: a force on the fuselage for this frame's step.
    if (m_keyboard->IsKeyDown(DIK_P))
        g_fuselageActor->addForce(NxVec3(0.0f, -900.0f, 0.0f), NX_FORCE, true);

    // Throttle and engine.
    if (m_keyboard->IsKeyDown(DIK_EQUALS))
    {
        m_throttleControl->Increase(1.0f);
        m_engine->SetThrottle(m_throttleControl->Get());
    }
    if (m_keyboard->IsKeyDown(DIK_MINUS))
    {
        m_throttleControl->Decrease(1.0f);
        m_engine->SetThrottle(m_throttleControl->Get());
    }
    if (m_keyboard->IsKeyDown(DIK_E))
    {
        m_engine->SetThrottle(m_throttleControl->Get());
        m_engine->SwitchOn();
    }
    if (m_keyboard->IsKeyDown(DIK_R))
        m_engine->SwitchOff();
    m_engine->Update();
    m_propellerNode->Rotate(0.0f, 0.0f, 1.0f, m_engine->GetRpm() / 60.0f * 360.0f * dt);

    // Brake flaps: out by default, Home takes them in, End out again.
    m_brakeFlapControl->Mark();
    if (m_keyboard->IsKeyDown(DIK_HOME))
        g_brakeFlapTowardMin = false;
    if (m_keyboard->IsKeyDown(DIK_END))
        g_brakeFlapTowardMin = true;
    Drive(m_brakeFlapControl, !g_brakeFlapTowardMin, dt);
    const float brakeFlapDelta = m_brakeFlapControl->Delta();
    m_leftBrakeFlapNode->Rotate(1.0f, 0.0f, 0.0f, brakeFlapDelta);
    m_rightBrakeFlapNode->Rotate(1.0f, 0.0f, 0.0f, brakeFlapDelta);

    // Canopies slide back and forth.
    m_frontCanopyControl->Mark();
    m_rearCanopyControl->Mark();
    ReverseAtEnd(m_keyboard->IsKeyDown(DIK_1), m_frontCanopyControl, g_frontCanopyTowardMax);
    ReverseAtEnd(m_keyboard->IsKeyDown(DIK_2), m_rearCanopyControl, g_rearCanopyTowardMax);
    Drive(m_frontCanopyControl, g_frontCanopyTowardMax, dt);
    Drive(m_rearCanopyControl, g_rearCanopyTowardMax, dt);
    m_frontCanopyNode->Move(0.0f, 0.0f, m_frontCanopyControl->Delta());
    m_rearCanopyNode->Move(0.0f, 0.0f, m_rearCanopyControl->Delta());

    // Rudder.
    m_rudderControl->Mark();
    if (m_keyboard->IsKeyDown(DIK_DELETE))
        m_rudderControl->Increase(dt);
    else if (m_keyboard->IsKeyDown(DIK_NEXT))
        m_rudderControl->Decrease(dt);
    else
        m_rudderControl->Center(dt);
    m_rudderNode->Rotate(0.0f, 1.0f, 0.0f, m_rudderControl->Delta());

    // Roll and ailerons, one step per update.
    m_leftAileronControl->Mark();
    m_rightAileronControl->Mark();
    m_rollControl->Mark();
    if (m_keyboard->IsKeyDown(DIK_RIGHT))
    {
        m_rollControl->Decrease(1.0f);
        m_rightAileronControl->Increase(1.0f);
        m_leftAileronControl->Decrease(1.0f);
    }
    else if (m_keyboard->IsKeyDown(DIK_LEFT))
    {
        m_rollControl->Increase(1.0f);
        m_rightAileronControl->Decrease(1.0f);
        m_leftAileronControl->Increase(1.0f);
    }
    else
    {
        m_leftAileronControl->Center(1.0f);
        m_rightAileronControl->Center(1.0f);
        m_rollControl->Center(1.0f);
    }
    m_leftAileronNode->Rotate(1.0f, 0.0f, 0.0f, m_leftAileronControl->Delta());
    m_rightAileronNode->Rotate(1.0f, 0.0f, 0.0f, m_rightAileronControl->Delta());

    // Elevator.
    m_elevatorControl->Mark();
    if (m_keyboard->IsKeyDown(DIK_UP))
        m_elevatorControl->Increase(dt);
    else if (m_keyboard->IsKeyDown(DIK_DOWN))
        m_elevatorControl->Decrease(dt);
    else
        m_elevatorControl->Center(dt);
    m_elevatorNode->Rotate(-1.0f, 0.0f, 0.0f, m_elevatorControl->Delta());

    if (m_keyboard->IsKeyDown(DIK_ESCAPE))
        return false;

    // Kinematic flight: the engine's revolutions feed the speed, a loss
    // growing with its square root drains it.
    g_flightSpeed += m_engine->GetRpm() / 60.0f * dt;
    if (g_flightSpeed > 0.0f)
        g_flightSpeed -= std::sqrt(g_flightSpeed) * dt;
    m_rootNode->Fly(m_elevatorControl->Get(), -m_rudderControl->Get(), m_rollControl->Get(),
                    g_flightSpeed * dt);

    UpdateCamera();

    if (g_scene)
    {
        g_scene->simulate(dt);
        g_scene->flushStream();
        g_scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    }
    return true;
}
