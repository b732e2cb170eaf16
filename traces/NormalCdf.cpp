#include "traces/NormalCdf.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kReach = 8.5;         // beyond it the distribution is 0 or 1 to double precision's need here
constexpr int kStepsPerUnit = 1024;    // linear interpolation error below 1e-7

const std::vector<double>& Table()
{
    static const std::vector<double> table = [] {
        const int count = static_cast<int>(kReach * kStepsPerUnit) + 2;
        std::vector<double> values(count);
        for (int i = 0; i < count; ++i)
            values[i] = 0.5 * std::erfc(-(static_cast<double>(i) / kStepsPerUnit) / std::sqrt(2.0));
        return values;
    }();
    return table;
}

} // namespace

double NormalCdf(double x)
{
    const double magnitude = std::fabs(x);
    if (magnitude >= kReach)
        return x < 0 ? 0.0 : 1.0;
    const std::vector<double>& table = Table();
    const double position = magnitude * kStepsPerUnit;
    const int index = static_cast<int>(position);
    const double fraction = position - index;
    const double upper = table[index] + fraction * (table[index + 1] - table[index]);
    return x < 0 ? 1.0 - upper : upper;
}
