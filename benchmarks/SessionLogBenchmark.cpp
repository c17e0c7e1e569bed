// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's summary of a session log as large as a log file may be (64 MB): a day of real
// rows (a press every row), and one of nothing but commas and line ends, the shape that once
// cost the summary many times the file's size. `peak_added_MiB` is the most memory the reading
// added at any moment: it must stay below the file's own size.
#include "ResidentMemory.h"
#include "common/files/DiskFileSystem.h"
#include "editor/log/LoggedSessions.h"
#include "editor/log/SessionSummary.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class LogFolder {
public:
    explicit LogFolder(const std::string& row) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vimo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        path_ = pattern;
        std::filesystem::create_directories(path_ / "log");
        std::ofstream file(path_ / "log" / "2026-03-14.csv", std::ios::binary);
        file << "time,screen,input,event,detail,right\r\n";
        std::string block;
        while (block.size() < (1u << 20)) {
            block += row;
        }
        // Just within the largest log file the summary reads.
        for (std::size_t written = 0; written + block.size() < kLargestLogFile;
             written += block.size()) {
            file << block;
        }
    }
    ~LogFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void summariseLargeLog(benchmark::State& state, const std::string& row) {
    const LogFolder folder(row);
    const DiskFileSystem files(folder.path());
    double before = 0;
    std::size_t periods = 0;
    for (auto _ : state) {
        state.PauseTiming();
        before = static_cast<double>(ResidentMemory::kib("VmRSS:")) / 1024.0;
        ResidentMemory::restartPeak();
        state.ResumeTiming();
        const LoggedSessions log = readLoggedSessions(files);
        periods = summariseSessions(log.tally, LogPeriod::Week).size();
        benchmark::DoNotOptimize(periods);
    }
    state.counters["peak_added_MiB"] =
        static_cast<double>(ResidentMemory::kib("VmHWM:")) / 1024.0 - before;
    state.counters["periods"] = static_cast<double>(periods);
}

} // namespace

BENCHMARK_CAPTURE(summariseLargeLog, presses,
                  std::string("2026-03-14T10:00:01.000,Find images,first,press,cat\r\n"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(summariseLargeLog, commas, std::string(",,,,,,,,\n"))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
