// Median, least and greatest of a series of timings.
#pragma once

#include <algorithm>
#include <vector>

namespace grizzet::bench {

struct Stats {
    int runs = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Stats StatsOf(std::vector<double> values)
{
    Stats s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.runs = static_cast<int>(n);
    s.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

}  // namespace grizzet::bench
