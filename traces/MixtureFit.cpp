#include "traces/MixtureFit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Weights never reach exactly zero: multiplicative EM could not revive them.
constexpr double kWeightFloor = 1e-9;
constexpr double kTiny = 1e-300;

void Mixed(const MixtureProblem& p, const std::vector<double>& w, std::vector<double>& mix)
{
    const int bins = p.Bins();
    const double share = 1.0 - p.fixedShare;
    for (int b = 0; b < bins; ++b)
        mix[b] = p.fixed.empty() ? 0.0 : p.fixed[b];
    for (int c = 0; c < p.components; ++c) {
        const double weight = share * w[c];
        const double* row = &p.probability[static_cast<size_t>(c) * bins];
        for (int b = 0; b < bins; ++b)
            mix[b] += weight * row[b];
    }
}

double LogLikelihood(const MixtureProblem& p, const std::vector<double>& mix)
{
    double sum = 0;
    for (int b = 0; b < p.Bins(); ++b)
        sum += p.counts[b] * std::log(std::max(mix[b], kTiny));
    return sum;
}

// One EM step from w into next; returns the log-likelihood of w.
double EmStep(const MixtureProblem& p, const std::vector<double>& w, std::vector<double>& next,
              std::vector<double>& mix, std::vector<double>& ratio)
{
    const int bins = p.Bins();
    Mixed(p, w, mix);
    for (int b = 0; b < bins; ++b)
        ratio[b] = p.counts[b] / std::max(mix[b], kTiny);
    double total = 0;
    for (int c = 0; c < p.components; ++c) {
        const double* row = &p.probability[static_cast<size_t>(c) * bins];
        double r = 0;
        for (int b = 0; b < bins; ++b)
            r += row[b] * ratio[b];
        next[c] = w[c] * r;
        total += next[c];
    }
    for (double& value : next)
        value = total > 0 ? std::max(value / total, kWeightFloor) : 1.0 / p.components;
    return LogLikelihood(p, mix);
}

void Normalize(std::vector<double>& w)
{
    for (double& value : w)
        value = std::max(value, kWeightFloor);
    const double total = std::accumulate(w.begin(), w.end(), 0.0);
    for (double& value : w)
        value /= total;
}

} // namespace

double FitMixture(const MixtureProblem& p, int rounds, double tolerance, std::vector<double>& w)
{
    const int n = p.components;
    if (static_cast<int>(w.size()) != n)
        w.assign(n, 1.0 / n);
    Normalize(w);
    std::vector<double> w1(n), w2(n), trial(n), stabilized(n), mix(p.Bins()), ratio(p.Bins());
    double last = -INFINITY;
    for (int round = 0; round < rounds; ++round) {
        const double ll0 = EmStep(p, w, w1, mix, ratio);
        EmStep(p, w1, w2, mix, ratio);
        double rr = 0, vv = 0;
        for (int c = 0; c < n; ++c) {
            const double r = w1[c] - w[c];
            const double v = w2[c] - 2 * w1[c] + w[c];
            rr += r * r;
            vv += v * v;
        }
        const double alpha = vv > 0 ? std::min(-1.0, -std::sqrt(rr / vv)) : -1.0;
        for (int c = 0; c < n; ++c) {
            const double r = w1[c] - w[c];
            const double v = w2[c] - 2 * w1[c] + w[c];
            trial[c] = w[c] - 2 * alpha * r + alpha * alpha * v;
        }
        Normalize(trial);
        const double llTrial = EmStep(p, trial, stabilized, mix, ratio);
        // The accelerated step is kept only where it does not lose.
        Mixed(p, w2, mix);
        const double ll2 = LogLikelihood(p, mix);
        if (llTrial >= ll2)
            w.swap(stabilized);
        else
            w.swap(w2);
        const double now = std::max(llTrial, ll2);
        if (now - std::max(last, ll0) < tolerance && round > 0) {
            last = now;
            break;
        }
        last = now;
    }
    Mixed(p, w, mix);
    return LogLikelihood(p, mix);
}
