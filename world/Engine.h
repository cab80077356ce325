// The engine's speed as the controls see it. While switched on, each update
// closes a fixed fraction of the gap to the throttle's target speed; while
// off, each update loses a fixed number of revolutions per minute. The steps
// are per update, not per second.
#pragma once

class CEngine
{
public:
    // A stopped engine at 0 rpm with a target of 0 and the given top speed.
    // A top speed that is negative or not finite is reported on stderr and
    // replaced by the lower bound, giving an engine that never turns.
    explicit CEngine(float maxRpm);
    ~CEngine();

    // Target speed = the given percentage of the speed range. Percentages
    // above 100 are allowed (the speed stays clamped at the top speed); a
    // negative or non-finite percentage is refused with one line on stderr
    // and the target left as it was.
    void SetThrottle(float percent);
    // Each a no-op when the engine is already in that state.
    void SwitchOn();
    void SwitchOff();
    // Advances the speed by one update.
    void Update();

    float GetRpm() const;
    bool IsRunning() const;

private:
    void Toggle();

    bool m_running;
    float m_minRpm;
    float m_maxRpm;
    float m_rpm;
    float m_targetRpm;
    float m_response; // fraction of the gap to the target closed per update
    float m_spinDown; // rpm lost per update while off
};
