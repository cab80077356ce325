// A bounded value that a held key moves at a fixed rate: up toward its
// maximum, down toward its minimum, or back toward zero. A remembered mark
// tells how far the value moved since the owner last marked it.
#pragma once

class CControlChannel
{
public:
    // Stores the bounds and the start value and sets the rate so that a full
    // sweep from minimum to maximum takes `time` units of step. Neither the
    // value nor the mark is clamped or set otherwise. Refuses (false, one line
    // on stderr, the channel unchanged) a time that is not a positive number,
    // a non-finite argument, or a minimum above the maximum.
    bool Init(float minimum, float maximum, float time, float value);
    ~CControlChannel();

    // Ramp up by rate × dt, stopping at the maximum.
    void Increase(float dt);
    // Ramp down by rate × dt, stopping at the minimum.
    void Decrease(float dt);
    // Move toward zero by rate × dt, never past it; the bounds play no part.
    void Center(float dt);
    // The three moves refuse a dt that is negative or not finite (one line on
    // stderr, the value unchanged).

    // Remembers the current value, so that Delta gives the change made since.
    void Mark();
    float Delta() const;
    float Get() const;

private:
    float m_minimum = 0.0f;
    float m_value = 0.0f;
    float m_maximum = 0.0f;
    float m_rate = 0.0f; // change per unit of step
    float m_mark = 0.0f;
};
