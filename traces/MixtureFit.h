#pragma once

#include <vector>

// Counts in bins, explained by a mixture of fixed component distributions
// whose weights are free, plus an optional fixed share of a fixed distribution.
// Only bins that hold counts enter: the components' probabilities are given
// for those bins alone (each component sums to 1 over all bins).
struct MixtureProblem
{
    int components = 0;
    std::vector<double> counts;        // per bin
    std::vector<double> probability;   // component-major: [component * bins + bin]
    std::vector<double> fixed;         // per bin, already times fixedShare; empty for none
    double fixedShare = 0;

    int Bins() const { return static_cast<int>(counts.size()); }
};

// Fits the weights by maximum likelihood with EM, accelerated by SQUAREM,
// from the given weights (uniform when empty), for at most `rounds`
// accelerated steps or until the log-likelihood gains less than `tolerance`.
// Returns the log-likelihood (without the multinomial constant) and leaves
// the weights in weights.
double FitMixture(const MixtureProblem& problem, int rounds, double tolerance, std::vector<double>& weights);
