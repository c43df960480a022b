#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// The console report, keeping each benchmark's figures so main() can print
// ratios between them afterwards. With repetitions the "mean" aggregate
// wins over the single runs.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override;

    // Real time per iteration, in seconds.
    std::optional<double> secondsPerIteration(const std::string& name) const;
    // CPU time per iteration, in seconds; steadier than real time on a busy
    // machine.
    std::optional<double> cpuSecondsPerIteration(const std::string& name) const;
    std::optional<double> bytesPerSecond(const std::string& name) const;

private:
    struct Figures {
        double seconds = 0;
        double cpuSeconds = 0;
        double bytesPerSecond = 0;
        bool fromMean = false;
    };
    std::map<std::string, Figures> m_figures;
};
