// The figures of bench_game, as a table for people and one JSON line for tools.
#pragma once

#include "Stats.h"

#include <string>
#include <vector>

namespace grizzet::bench {

struct Figure {
    std::string key;
    std::string label;
    Stats ms;
    double targetMs = 0;  // 0: no target
};

// A field of /proc/self/status in kB, -1 when there is none.
long StatusKb(const char* field);
// The processor, the cores and the load average now and at loadBefore (a line of /proc/loadavg).
std::string Machine(const std::string& loadBefore);
std::string LoadAverage();

void PrintFigures(const std::vector<Figure>& figures);
void PrintJson(int runs, double scale, const std::vector<Figure>& figures, long hwmKb, long rssKb);

}  // namespace grizzet::bench
