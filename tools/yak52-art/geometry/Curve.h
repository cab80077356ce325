// A smooth curve through key values: y(x) through (x, y) keys by monotone
// cubic interpolation, so a shape follows its measurements without the
// overshoot of an ordinary spline. Outside the keys it holds the end values.
#pragma once

#include <utility>
#include <vector>

namespace yak52
{

class Curve
{
public:
    // Keys in increasing x; at least two.
    Curve(std::vector<std::pair<double, double>> keys);

    double operator()(double x) const;
    double Front() const { return m_keys.front().first; }
    double Back() const { return m_keys.back().first; }

private:
    std::vector<std::pair<double, double>> m_keys;
    std::vector<double> m_slopes;
};

// n + 1 values from a to b, evenly spaced.
std::vector<double> Steps(double a, double b, int n);

} // namespace yak52
