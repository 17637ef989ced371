// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/resampler.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Zero crossings of the sinc on either side of a sample: enough for the
// pitch of a note, and cheap over a recording of some minutes.
constexpr int kHalfTaps = 16;
// The band kept, as a share of the lower rate's half: the rest is the
// filter's slope.
constexpr double kPassBand = 0.9;
constexpr double kBlackmanA0 = 0.42;
constexpr double kBlackmanA1 = 0.5;
constexpr double kBlackmanA2 = 0.08;
// The kernel is looked up, not computed: this many points per input
// sample, read between them by straight lines.
constexpr int kTablePointsPerSample = 512;

double Sinc(double x)
{
    return x == 0 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
}

// Blackman window over -1..1.
double Window(double x)
{
    const double phase = M_PI * (x + 1.0);
    return kBlackmanA0 - kBlackmanA1 * std::cos(phase) + kBlackmanA2 * std::cos(2.0 * phase);
}

// The windowed sinc for a cut-off (cycles per input sample), from 0 to
// its reach, one point past it so that every lookup has a right neighbour.
class CKernel {
public:
    explicit CKernel(double cutoff) : m_reach(kHalfTaps / cutoff)
    {
        const auto points = std::size_t(std::ceil(m_reach * kTablePointsPerSample)) + 2;
        m_table.resize(points);
        for (std::size_t i = 0; i < points; ++i) {
            const double x = double(i) / kTablePointsPerSample;
            m_table[i] = x >= m_reach ? 0.0 : cutoff * Sinc(cutoff * x) * Window(x / m_reach);
        }
    }
    double Reach() const { return m_reach; }
    double At(double distance) const
    {
        const double position = std::fabs(distance) * kTablePointsPerSample;
        const auto index = std::size_t(position);
        if (index + 1 >= m_table.size())
            return 0.0;
        const double fraction = position - double(index);
        return m_table[index] + fraction * (m_table[index + 1] - m_table[index]);
    }

private:
    double m_reach;
    std::vector<double> m_table;
};

} // namespace

std::vector<float> Resampled(const std::vector<float>& samples, int fromRate, int toRate)
{
    if (fromRate == toRate || samples.empty() || fromRate <= 0 || toRate <= 0)
        return samples;
    const double step = double(fromRate) / toRate;
    const CKernel kernel(kPassBand * std::min(1.0, double(toRate) / fromRate));
    const auto outputCount = std::size_t(double(samples.size()) / step);
    std::vector<float> output(outputCount);
    const auto last = std::int64_t(samples.size()) - 1;
    for (std::size_t i = 0; i < outputCount; ++i) {
        const double centre = double(i) * step;
        const auto first = std::max<std::int64_t>(0, std::int64_t(std::ceil(centre - kernel.Reach())));
        const auto end = std::min<std::int64_t>(last, std::int64_t(std::floor(centre + kernel.Reach())));
        double sum = 0;
        for (std::int64_t j = first; j <= end; ++j)
            sum += double(samples[std::size_t(j)]) * kernel.At(double(j) - centre);
        output[i] = float(sum);
    }
    return output;
}
