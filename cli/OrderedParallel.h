#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Runs work(i) for i in [0, count) on up to jobs threads (the calling one
// included) and hands every result to deliver(i, result) on the calling
// thread, in ascending order of i. Results are made a window at a time, so
// that a long batch never holds more than a few hundred of them.
template <typename Work, typename Deliver>
void ForEachInOrder(std::size_t count, unsigned jobs, Work work, Deliver deliver)
{
    using Result = decltype(work(std::size_t()));
    const std::size_t window = 64 * std::max(jobs, 1u);
    std::vector<Result> results(std::min(window, count));
    for (std::size_t begin = 0; begin < count; begin += window) {
        const std::size_t end = std::min(begin + window, count);
        std::atomic<std::size_t> next{begin};
        auto drain = [&] {
            for (std::size_t i; (i = next++) < end;)
                results[i - begin] = work(i);
        };
        std::vector<std::thread> helpers;
        for (unsigned j = 1; j < jobs && j < end - begin; ++j)
            helpers.emplace_back(drain);
        drain();
        for (std::thread& helper : helpers)
            helper.join();
        for (std::size_t i = begin; i < end; ++i)
            deliver(i, std::move(results[i - begin]));
    }
}
