#include "SecretDraw.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace game {

double DrawSecret(double lower, double upper, double u) {
    double span = std::fabs(upper - lower);
    if (!std::isfinite(span))
        span = DBL_MAX;
    const double k = std::floor(u * (std::floor(span) + 1));
    const double secret = upper >= lower ? lower + k : lower - k;
    // Rounding in a span near the double range could carry a step past the far limit.
    return std::clamp(secret, std::min(lower, upper), std::max(lower, upper));
}

double drawUpperLimit(double r) {
    return std::floor(r * 100000000.0) + 1;
}

double noUpperLimit(double lower, double drawnCount) {
    return lower + (drawnCount - 1);
}

} // namespace game
