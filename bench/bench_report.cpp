// The statistics report and the CSV tables of a season-sized set: 2,430
// games over the sixteen sample clubs, recorded once by batch play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/csv_tables.h"
#include "reports/statistics_report.h"
#include "shell/batch_run.h"

namespace {

namespace fs = std::filesystem;

// The folder holding the recorded set, or empty when it could not be made.
const std::string& seasonFolder() {
    static const std::string folder = [] {
        const fs::path dir = fs::temp_directory_path() / "vrk_bench_report";
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::vector<std::string> teams;
        for (const auto& entry : fs::directory_iterator(VRK_SOURCE_HOME)) {
            const fs::path name = entry.path().filename();
            fs::copy_file(entry.path(), dir / name);
            if (name.extension() == ".DAT") teams.push_back(name.stem().string());
        }
        std::sort(teams.begin(), teams.end());
        // 30 pairings of 81 games: 2,430 games.
        std::ofstream series(dir / "SEASON.SER");
        for (std::size_t i = 0; i < 30; ++i) {
            const std::string& v = teams[i % teams.size()];
            const std::string& h = teams[(i * 7 + 3) % teams.size()];
            series << "/V:" << v << " /H:" << (h == v ? teams[(i + 1) % teams.size()] : h)
                   << " /N:81\n";
        }
        series.close();
        vrk::StartupInputs inputs;
        inputs.currentDir = dir.string();
        inputs.timeSeed = 1;
        inputs.args = {"/SER:SEASON", "/ST:SEASON", "/SEED:2430"};
        std::ostringstream out, err;
        vrk::BatchIo io{out, err, false, {}};
        return vrk::runBatch(inputs, io) == 0 ? dir.string() + "/" : std::string();
    }();
    return folder;
}

void BM_StatisticsReport2430Games(benchmark::State& state) {
    const std::string& folder = seasonFolder();
    if (folder.empty()) {
        state.SkipWithError("the season could not be recorded");
        return;
    }
    vrk::ReportOptions options;
    options.statsName = "SEASON";
    options.rlBreakdown = true;
    options.fieldingDetail = true;
    for (auto _ : state) {
        const vrk::ReportOutcome out =
            vrk::WriteStatisticsReport(folder, options, 0, {"01-01-2026", "00:00:00"}, {});
        if (out.status != vrk::ReportStatus::Written) state.SkipWithError(out.message.c_str());
    }
}
BENCHMARK(BM_StatisticsReport2430Games)->Unit(benchmark::kMillisecond);

void BM_CsvTables2430Games(benchmark::State& state) {
    const std::string& folder = seasonFolder();
    if (folder.empty()) {
        state.SkipWithError("the season could not be recorded");
        return;
    }
    for (auto _ : state) {
        vrk::ReportInputLoad load = vrk::LoadReportInput(folder, "SEASON");
        benchmark::DoNotOptimize(vrk::BuildCsvTables(load.input, 0));
    }
}
BENCHMARK(BM_CsvTables2430Games)->Unit(benchmark::kMillisecond);

}  // namespace
