#include "geometry/Curve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace yak52
{

Curve::Curve(std::vector<std::pair<double, double>> keys) : m_keys(std::move(keys))
{
    const std::size_t n = m_keys.size();
    if (n < 2)
        throw std::invalid_argument("a curve needs two keys");
    for (std::size_t i = 1; i < n; ++i)
        if (!(m_keys[i].first > m_keys[i - 1].first))
            throw std::invalid_argument("curve keys must increase");

    // Fritsch-Carlson slopes: the harmonic mean of neighbouring secants, zero
    // at a local extremum, so each piece stays between its keys.
    std::vector<double> secant(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i)
        secant[i] =
            (m_keys[i + 1].second - m_keys[i].second) / (m_keys[i + 1].first - m_keys[i].first);
    m_slopes.assign(n, 0.0);
    m_slopes[0] = secant[0];
    m_slopes[n - 1] = secant[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i)
    {
        if (secant[i - 1] * secant[i] <= 0.0)
            continue;
        const double h0 = m_keys[i].first - m_keys[i - 1].first;
        const double h1 = m_keys[i + 1].first - m_keys[i].first;
        const double w0 = 2 * h1 + h0, w1 = h1 + 2 * h0;
        m_slopes[i] = (w0 + w1) / (w0 / secant[i - 1] + w1 / secant[i]);
    }
}

double Curve::operator()(double x) const
{
    if (x <= m_keys.front().first)
        return m_keys.front().second;
    if (x >= m_keys.back().first)
        return m_keys.back().second;
    const auto upper = std::upper_bound(m_keys.begin(), m_keys.end(), x,
                                        [](double v, const auto& key) { return v < key.first; });
    const std::size_t i = static_cast<std::size_t>(upper - m_keys.begin()) - 1;
    const double h = m_keys[i + 1].first - m_keys[i].first;
    const double t = (x - m_keys[i].first) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * m_keys[i].second + (t3 - 2 * t2 + t) * h * m_slopes[i] +
           (-2 * t3 + 3 * t2) * m_keys[i + 1].second + (t3 - t2) * h * m_slopes[i + 1];
}

std::vector<double> Steps(double a, double b, int n)
{
    std::vector<double> values;
    for (int i = 0; i <= n; ++i)
        values.push_back(i == n ? b : a + (b - a) * i / n);
    return values;
}

} // namespace yak52
