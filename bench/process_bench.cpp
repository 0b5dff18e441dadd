#include "process_bench.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int TimedRuns = 15;
constexpr int SeriesRuns = 3;
constexpr int SeriesSets = 50;
constexpr double CopyFactorGoal = 4.0;
constexpr double ExtraMemoryGoalMiB = 8.0;
constexpr double CheckGoalSeconds = 1.0;

// One grid set of the grid data file format: a 1-unit grid over 20,000 by
// 20,000 units at 1:500 with title block A, or one line each way.
std::string GridSet(const std::string& description, const std::string& limits, int grid,
                    const std::string& scale, const std::string& titleBlock) {
    std::string set = description + " / Description\n" + "M / Metric\n" + "Eastings / X title\n" +
                      "Northings / Y title\n";
    for (int axis = 0; axis < 2; ++axis) {
        set += limits + " " + std::to_string(grid) + " " + scale + " 0 0.0 / min max grid scale\n";
    }
    set += "0 0.25 0.25 / ticks\n0 0 0 / ticks\n0 0.25 0.25 / ticks\n0 0 0 / ticks\n";
    set += "0.5 / border\n0.0 0.0 0.0 0.0 / cuts\nUR 0.5 0.0 / north arrow\n";
    set += titleBlock + " / title block\nA / title block type\n \n";
    return set;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

struct Run {
    double Seconds = 0;
    double PeakMiB = 0;  // the child's maximum resident set size
};

// Runs the program with its arguments, standard output discarded, and
// waits for it; throws unless it exits with `expectedStatus`.
Run RunChild(const std::vector<std::string>& command, int expectedStatus = 0) {
    std::vector<char*> argv;
    for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);  // or the child would write the buffered figures again
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot start " + command.front());
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) throw std::runtime_error("wait failed");
    Run run;
    run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.PeakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus) {
        throw std::runtime_error(command.front() + " " + command[1] + " ended with status " +
                                 std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1));
    }
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median time and the median peak memory of `runs` runs of each
// command, taken in turns so that both meet the same load on the machine.
// The file a run writes is taken away before it, so that no run pays for
// replacing the last one's file.
struct Command {
    std::vector<std::string> Arguments;
    fs::path Output;
};

std::vector<Run> MedianRuns(const std::vector<Command>& commands, int runs = TimedRuns) {
    std::vector<std::vector<double>> seconds(commands.size());
    std::vector<std::vector<double>> peaks(commands.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t c = 0; c < commands.size(); ++c) {
            std::error_code ignored;
            fs::remove(commands[c].Output, ignored);
            const Run run = RunChild(commands[c].Arguments);
            seconds[c].push_back(run.Seconds);
            peaks[c].push_back(run.PeakMiB);
        }
    }
    std::vector<Run> medians;
    for (std::size_t c = 0; c < commands.size(); ++c) {
        medians.push_back({Median(seconds[c]), Median(peaks[c])});
    }
    return medians;
}

// Entities as the writer counts them: texts, lines, polylines, vertices.
long CountEntities(const fs::path& dxf) {
    std::ifstream file(dxf, std::ios::binary);
    long entities = 0;
    std::string code;
    std::string value;
    while (std::getline(file, code) && std::getline(file, value)) {
        if (code != "0\r") continue;
        if (value == "TEXT\r" || value == "LINE\r" || value == "POLYLINE\r" ||
            value == "VERTEX\r") {
            ++entities;
        }
    }
    return entities;
}

const char* Verdict(bool met) {
    return met ? "PASS" : "FAIL";
}

}  // namespace

int RunProcessBench(const fs::path& quadrel, const fs::path& dir) {
    // A child's peak counts the pages it had from this process before its
    // exec, so the figures are exact only while this process is smaller
    // than every child; it is run first for that reason.
    rusage self{};
    ::getrusage(RUSAGE_SELF, &self);
    const double benchMiB = static_cast<double>(self.ru_maxrss) / 1024.0;
    fs::remove_all(dir);
    fs::create_directories(dir / "series");
    const std::string program = fs::absolute(quadrel).string();
    RunChild({program, "samples", "--dir", dir.string()});
    const std::string title = (dir / "QDLTitle.SAM").string();
    const fs::path dense = dir / "dense.dat";
    const fs::path trivial = dir / "trivial.dat";
    WriteText(dense, GridSet("Dense sheet", "0 20000", 1, "500.0", "Y"));
    WriteText(trivial, GridSet("Trivial sheet", "0 1000", 1000, "500.0", "N"));
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);

    const fs::path denseDxf = dir / "dense.dxf";
    const fs::path copy = dir / "copy.dxf";
    const fs::path trivialDxf = dir / "trivial.dxf";
    // The dense sheet's output exists before cp first copies it.
    const std::vector<std::string> drawDense{program,   "dxf", "--grid",   dense.string(),
                                             "--title", title, "--output", denseDxf.string()};
    RunChild(drawDense);
    const std::vector<Run> runs = MedianRuns({
        {drawDense, denseDxf},
        {{"/bin/cp", denseDxf.string(), copy.string()}, copy},
        {{program, "dxf", "--grid", trivial.string(), "--output", trivialDxf.string()}, trivialDxf},
    });
    const Run& drawn = runs[0];
    const Run& copied = runs[1];
    const Run& small = runs[2];

    std::string fifty;
    for (int set = 1; set <= SeriesSets; ++set) {
        fifty += GridSet("Sheet " + std::to_string(set),
                         std::to_string(set * 100) + " " + std::to_string(set * 100 + 2000), 100,
                         "1000.0", "Y");
    }
    const fs::path fiftySets = dir / "fifty.dat";
    WriteText(fiftySets, fifty);
    std::vector<double> seriesSeconds;
    for (int i = 0; i < SeriesRuns; ++i) {
        seriesSeconds.push_back(RunChild({program, "series", "--grid", fiftySets.string(),
                                          "--title", title, "--dir", (dir / "series").string()})
                                    .Seconds);
    }
    const double series = Median(seriesSeconds);
    // The dense sheet has a few conflicts, so check ends with status 1.
    std::vector<double> checkSeconds;
    for (int i = 0; i < TimedRuns; ++i) {
        checkSeconds.push_back(
            RunChild({program, "check", "--grid", dense.string(), "--title", title}, 1).Seconds);
    }
    const double check = Median(checkSeconds);

    const double factor = drawn.Seconds / copied.Seconds;
    const double extra = drawn.PeakMiB - small.PeakMiB;
    std::printf("whole program (median of %d runs)\n", TimedRuns);
    std::printf(
        "dense sheet: %ld entities, %.1f MB: quadrel dxf %.1f ms, cp of its output %.1f ms\n",
        CountEntities(denseDxf), static_cast<double>(fs::file_size(denseDxf)) / 1e6,
        drawn.Seconds * 1e3, copied.Seconds * 1e3);
    std::printf("quadrel dxf vs cp          %6.2fx the time (goal: at most %.0fx)  %s\n", factor,
                CopyFactorGoal, Verdict(factor <= CopyFactorGoal));
    std::printf(
        "peak memory: dense sheet %.1f MiB, trivial sheet %.1f MiB (%ld entities); "
        "the bench was %.1f MiB when it started them\n",
        drawn.PeakMiB, small.PeakMiB, CountEntities(trivialDxf), benchMiB);
    std::printf("dense over trivial         %6.1f MiB (goal: under %.0f MiB)  %s\n", extra,
                ExtraMemoryGoalMiB, Verdict(extra < ExtraMemoryGoalMiB));
    std::printf("quadrel series, %d sets: %.3f s (median of %d), %.0f sets/s\n", SeriesSets, series,
                SeriesRuns, SeriesSets / series);
    std::printf(
        "quadrel check, dense sheet: %.1f ms, drawing it included (goal: under %.0f ms)  %s\n",
        check * 1e3, CheckGoalSeconds * 1e3, Verdict(check < CheckGoalSeconds));
    fs::remove_all(dir);
    return 0;
}
