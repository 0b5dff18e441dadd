// Reading a data file far beyond the capacity: a file of two million lines
// read as a grid and as a title block data file. Reading stops after the
// capacity (the unit tests check that the rest is left unread), so the time
// should not grow with the file. Usage: quadrel_data_file_bench [TEMP_DIR]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>

#include "bench_main.h"
#include "datafiles/grid_file.h"
#include "datafiles/title_file.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Lines = 2'000'000;
constexpr int Runs = 5;
constexpr double TargetSeconds = 0.5;  // what a person would notice when opening a file

// The best of the runs, in seconds, for reading the file into a fresh store.
template <typename Store, typename Read>
double BestSeconds(const std::filesystem::path& path, Read read, Store& last) {
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) {
        Store store;
        const auto start = Clock::now();
        read(path, store);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
        if (run == Runs - 1) last = store;
    }
    return best;
}

int Run(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / "huge.dat";
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < Lines; ++i) out << "12 / x\n";
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
    const double size = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    auto grid = std::make_unique<quadrel::GridSetStore>();
    auto title = std::make_unique<quadrel::TitleSetStore>();
    const double gridSeconds = BestSeconds(path, &quadrel::ReadGridFile, *grid);
    const double titleSeconds = BestSeconds(path, &quadrel::ReadTitleFile, *title);
    std::printf("data file of %d lines, %.1f MB; best of %d runs\n", Lines, size, Runs);
    std::printf("  as grid file   %.4f s, %d sets read   (target: under %.1f s)  %s\n", gridSeconds,
                grid->GridSetCount, TargetSeconds, gridSeconds < TargetSeconds ? "PASS" : "FAIL");
    std::printf("  as title file  %.4f s, %d lines read  (target: under %.1f s)  %s\n",
                titleSeconds, title->TitleLineCount, TargetSeconds,
                titleSeconds < TargetSeconds ? "PASS" : "FAIL");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return BenchMain("quadrel_data_file_bench", argc, argv, Run,
                     [](const std::filesystem::path& dir) {
                         std::error_code ignored;
                         std::filesystem::remove(dir / "huge.dat", ignored);
                     });
}
