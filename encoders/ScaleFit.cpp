#include "encoders/ScaleFit.h"

#include <algorithm>

namespace {

// A bound num / den on the factor (den > 0), included or not.
struct Bound
{
    long long num;
    long long den;
    bool closed;
};

// -1, 0 or 1 as a is below, at or above b.
int Compare(const Bound& a, const Bound& b)
{
    const long long left = a.num * b.den;
    const long long right = b.num * a.den;
    return left < right ? -1 : (left > right ? 1 : 0);
}

// The factors at which base * f rounds to value: [lower, upper].
void EntryBounds(long long base, long long value, Rounding rounding, Bound& lower, Bound& upper)
{
    switch (rounding) {
    case Rounding::Down:
        lower = {value, base, true};
        upper = {value + 1, base, false};
        break;
    case Rounding::Up:
        lower = {value - 1, base, false};
        upper = {value, base, true};
        break;
    case Rounding::Nearest:
        lower = {2 * value - 1, 2 * base, true};
        upper = {2 * value + 1, 2 * base, false};
        break;
    }
}

void Raise(Bound& low, const Bound& candidate)
{
    const int order = Compare(candidate, low);
    if (order > 0 || (order == 0 && !candidate.closed))
        low = candidate;
}

void Lower(Bound& high, const Bound& candidate)
{
    const int order = Compare(candidate, high);
    if (order < 0 || (order == 0 && !candidate.closed))
        high = candidate;
}

double Percent(const Bound& bound)
{
    return 100.0 * static_cast<double>(bound.num) / static_cast<double>(bound.den);
}

} // namespace

std::optional<ScaleRange> FitScale(const QuantTable& table, const QuantTable& base, Rounding rounding)
{
    const long long clamp = *std::max_element(table.begin(), table.end()) > 255 ? 65535 : 255;
    Bound low{0, 1, false};
    Bound high{0, 1, true};
    bool bounded = false;   // some entry gave an upper bound
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i] == 0 || base[i] == 0)
            return std::nullopt;
        Bound lower{}, upper{};   // set by EntryBounds; {} keeps -O2 from warning
        EntryBounds(base[i], table[i], rounding, lower, upper);
        // An entry at a clamp only says that the product reached it.
        if (table[i] > 1)
            Raise(low, lower);
        if (table[i] < clamp) {
            if (!bounded)
                high = upper;
            Lower(high, upper);
            bounded = true;
        }
    }
    const int order = Compare(low, high);
    if (!bounded || low.num == 0 || order > 0 || (order == 0 && !(low.closed && high.closed)))
        return std::nullopt;
    return ScaleRange{Percent(low), Percent(high)};
}
