#include "sound_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace assets {

double smallAngleCos(double x)
{
    const double x2 = x * x;
    return 1.0 - x2 / 2.0 * (1.0 - x2 / 12.0 * (1.0 - x2 / 30.0 * (1.0 - x2 / 56.0)));
}

double smallAngleSin(double x)
{
    const double x2 = x * x;
    return x * (1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0 * (1.0 - x2 / 72.0))));
}

std::vector<std::int16_t> toPcm(const std::vector<double>& signal, double peak)
{
    double loudest = 0.0;
    for (double s : signal)
        loudest = std::max(loudest, std::fabs(s));
    const double gain = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> pcm(signal.size());
    std::transform(signal.begin(), signal.end(), pcm.begin(),
                   [gain](double s) { return static_cast<std::int16_t>(std::lround(s * gain)); });
    return pcm;
}

}  // namespace assets
