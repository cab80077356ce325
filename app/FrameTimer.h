// Measures the wall-clock time between frames with the performance counter.
#pragma once

#include <windows.h>

class CFrameTimer
{
public:
    CFrameTimer();
    ~CFrameTimer();

    // Marks the start of the first measured interval.
    void Start();
    // Measures the time since the previous Update (or Start).
    void Update(bool refreshFrequency);
    // Seconds measured by the latest Update.
    float GetElapsed() const;

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_current;
    LARGE_INTEGER m_last;
    double m_elapsed;
};
