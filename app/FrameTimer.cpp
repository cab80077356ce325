#include "app/FrameTimer.h"

CFrameTimer::CFrameTimer() : m_elapsed(0.0)
{
    m_last.QuadPart = 0;
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_current);
}

CFrameTimer::~CFrameTimer() {}

void CFrameTimer::Start()
{
    QueryPerformanceCounter(&m_last);
}

void CFrameTimer::Update(bool refreshFrequency)
{
    if (refreshFrequency)
        QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_current);
    m_elapsed = (static_cast<double>(m_current.QuadPart) - static_cast<double>(m_last.QuadPart)) /
                static_cast<double>(m_frequency.QuadPart);
    m_last = m_current;
}

float CFrameTimer::GetElapsed() const
{
    return static_cast<float>(m_elapsed);
}
