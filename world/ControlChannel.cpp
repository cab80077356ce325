#include "world/ControlChannel.h"

#include <cmath>
#include <cstdio>

namespace
{
// A step must be a finite amount of time (or of updates) that has passed.
bool IsValidStep(const char* operation, float dt)
{
    if (std::isfinite(dt) && dt >= 0.0f)
        return true;
    std::fprintf(stderr, "CControlChannel::%s: dt is %g; it must be a finite number >= 0\n",
                 operation, static_cast<double>(dt));
    return false;
}
} // namespace

bool CControlChannel::Init(float minimum, float maximum, float time, float value)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !std::isfinite(value))
    {
        std::fprintf(
            stderr, "CControlChannel::Init: minimum %g, maximum %g and value %g must be finite\n",
            static_cast<double>(minimum), static_cast<double>(maximum), static_cast<double>(value));
        return false;
    }
    if (!(minimum <= maximum))
    {
        std::fprintf(stderr, "CControlChannel::Init: minimum %g is above maximum %g\n",
                     static_cast<double>(minimum), static_cast<double>(maximum));
        return false;
    }
    if (!std::isfinite(time) || !(time > 0.0f))
    {
        std::fprintf(stderr, "CControlChannel::Init: time is %g; it must be a positive number\n",
                     static_cast<double>(time));
        return false;
    }

    m_minimum = minimum;
    m_maximum = maximum;
    m_value = value;
    m_rate = (maximum - minimum) / time;
    return true;
}

CControlChannel::~CControlChannel() {}

void CControlChannel::Increase(float dt)
{
    if (!IsValidStep("Increase", dt))
        return;
    m_value = m_value + m_rate * dt;
    if (m_value > m_maximum)
        m_value = m_maximum;
}

void CControlChannel::Decrease(float dt)
{
    if (!IsValidStep("Decrease", dt))
        return;
    m_value = m_value - m_rate * dt;
    if (m_value < m_minimum)
        m_value = m_minimum;
}

void CControlChannel::Center(float dt)
{
    if (!IsValidStep("Center", dt))
        return;
    const float step = m_rate * dt;

    // A value closer to zero than one step would overshoot: stop at zero.
    // A value exactly one step away is left to the move below, which lands
    // on zero as well.
    if ((0.0f < m_value && m_value < step) || (-step < m_value && m_value < 0.0f))
        m_value = 0.0f;

    if (m_value > 0.0f)
        m_value = m_value - step;
    else if (m_value < 0.0f)
        m_value = m_value + step;
}

void CControlChannel::Mark()
{
    m_mark = m_value;
}

float CControlChannel::Delta() const
{
    return m_value - m_mark;
}

float CControlChannel::Get() const
{
    return m_value;
}
