// The scene's fixed time-stepping: elapsed time is cut into steps of one size;
// the time left below one step is carried to the next call, and steps beyond
// the most allowed per call are dropped.
#pragma once

#include <algorithm>
#include <cmath>

namespace compat::physx
{

class FixedStepper
{
public:
    void SetTiming(double step, unsigned maxSteps)
    {
        step_ = step;
        maxSteps_ = maxSteps;
        carried_ = 0;
    }

    // The steps to run for `elapsed` more seconds (finite, 0 and up).
    unsigned Advance(double elapsed)
    {
        carried_ += elapsed;
        // A whole step less a hair counts as a step: 0.1 s in float is a few
        // ulps short of six steps of 1/60 s in float.
        const double steps = std::floor(carried_ / step_ + kTolerance);
        carried_ = std::clamp(carried_ - steps * step_, 0.0, step_);
        return static_cast<unsigned>(std::min(steps, double(maxSteps_)));
    }

    double Carried() const { return carried_; }

private:
    static constexpr double kTolerance = 1e-4;
    double step_ = 1.0 / 60.0;
    unsigned maxSteps_ = 8;
    double carried_ = 0;
};

} // namespace compat::physx
