#include "summaryreporter.h"

void SummaryReporter::ReportRuns(const std::vector<Run>& reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
        if (run.error_occurred)
            continue;
        const bool isMean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
        if (run.run_type == Run::RT_Aggregate && !isMean)
            continue;
        Figures& f = m_figures[run.run_name.function_name];
        if (f.fromMean && !isMean)
            continue;
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        f.seconds = run.GetAdjustedRealTime() / unit;
        f.cpuSeconds = run.GetAdjustedCPUTime() / unit;
        const auto rate = run.counters.find("bytes_per_second");
        f.bytesPerSecond = rate == run.counters.end() ? 0 : double(rate->second);
        f.fromMean = isMean;
    }
}

std::optional<double> SummaryReporter::secondsPerIteration(const std::string& name) const
{
    const auto it = m_figures.find(name);
    if (it == m_figures.end())
        return std::nullopt;
    return it->second.seconds;
}

std::optional<double> SummaryReporter::bytesPerSecond(const std::string& name) const
{
    const auto it = m_figures.find(name);
    if (it == m_figures.end() || it->second.bytesPerSecond <= 0)
        return std::nullopt;
    return it->second.bytesPerSecond;
}

std::optional<double> SummaryReporter::cpuSecondsPerIteration(const std::string& name) const
{
    const auto it = m_figures.find(name);
    if (it == m_figures.end())
        return std::nullopt;
    return it->second.cpuSeconds;
}
