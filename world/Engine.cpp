#include "world/Engine.h"

#include <cmath>
#include <cstdio>

CEngine::CEngine(float maxRpm)
    : m_running(false), m_minRpm(0.0f), m_maxRpm(maxRpm), m_rpm(0.0f), m_targetRpm(0.0f),
      m_response(0.01f), m_spinDown(1.0f)
{
    if (!std::isfinite(maxRpm) || !(maxRpm >= m_minRpm))
    {
        std::fprintf(stderr, "CEngine: maximum speed %g rpm must be a finite number >= %g\n",
                     static_cast<double>(maxRpm), static_cast<double>(m_minRpm));
        m_maxRpm = m_minRpm;
    }
}

CEngine::~CEngine() {}

void CEngine::SetThrottle(float percent)
{
    if (!std::isfinite(percent) || !(percent >= 0.0f))
    {
        std::fprintf(stderr, "CEngine::SetThrottle: %g%% must be a finite percentage >= 0\n",
                     static_cast<double>(percent));
        return;
    }
    m_targetRpm = (m_maxRpm - m_minRpm) / 100.0f * percent;
}

void CEngine::SwitchOn()
{
    if (!m_running)
        Toggle();
}

void CEngine::SwitchOff()
{
    if (m_running)
        Toggle();
}

void CEngine::Toggle()
{
    m_running = !m_running;
}

void CEngine::Update()
{
    if (m_running)
    {
        m_rpm = m_rpm - (m_rpm - m_targetRpm) * m_response;
        if (m_rpm > m_maxRpm)
            m_rpm = m_maxRpm;
    }
    else
    {
        m_rpm = m_rpm - m_spinDown;
        if (m_rpm < m_minRpm)
            m_rpm = m_minRpm;
    }
}

float CEngine::GetRpm() const
{
    return m_rpm;
}

bool CEngine::IsRunning() const
{
    return m_running;
}
