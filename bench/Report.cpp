#include "Report.h"

#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace grizzet::bench {

namespace {

std::string FirstLine(const char* path, const std::string& prefix = {})
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (prefix.empty() || line.compare(0, prefix.size(), prefix) == 0)
            return prefix.empty() ? line : line.substr(line.find(':') + 2);
    return "unknown";
}

std::string Cpu() { return FirstLine("/proc/cpuinfo", "model name"); }

}  // namespace

long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::atol(line.c_str() + key.size());
    return -1;
}

std::string LoadAverage()
{
    const std::string line = FirstLine("/proc/loadavg");
    return line.substr(0, line.find(' '));
}

std::string Machine(const std::string& loadBefore)
{
    return Cpu() + ", " + std::to_string(QThread::idealThreadCount()) + " cores; load average before " + loadBefore
           + ", after " + LoadAverage();
}

void PrintFigures(const std::vector<Figure>& figures)
{
    std::printf("%-44s %5s %11s %11s %11s %10s  %s\n", "measure", "runs", "median ms", "min ms", "max ms",
                "target ms", "holds");
    for (const Figure& f : figures) {
        std::printf("%-44s %5d %11.3f %11.3f %11.3f ", f.label.c_str(), f.ms.runs, f.ms.median, f.ms.min, f.ms.max);
        if (f.targetMs > 0)
            std::printf("%10.3f  %s\n", f.targetMs, f.ms.median < f.targetMs ? "yes" : "NO");
        else
            std::printf("%10s  %s\n", "-", "-");
    }
}

void PrintJson(int runs, double scale, const std::vector<Figure>& figures, long hwmKb, long rssKb)
{
    std::printf("{\"bench\":\"game\",\"runs\":%d,\"cpu\":\"%s\",\"cores\":%d,\"scale\":%g,\"figures\":[", runs,
                Cpu().c_str(), QThread::idealThreadCount(), scale);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const Figure& f = figures[i];
        std::printf("%s{\"name\":\"%s\",\"runs\":%d,\"medianMs\":%.4f,\"minMs\":%.4f,\"maxMs\":%.4f", i ? "," : "",
                    f.key.c_str(), f.ms.runs, f.ms.median, f.ms.min, f.ms.max);
        if (f.targetMs > 0)
            std::printf(",\"targetMs\":%g,\"holds\":%s", f.targetMs, f.ms.median < f.targetMs ? "true" : "false");
        std::printf("}");
    }
    std::printf("],\"peakRssMb\":%.1f,\"rssMb\":%.1f}\n", hwmKb / 1024.0, rssKb / 1024.0);
}

}  // namespace grizzet::bench
