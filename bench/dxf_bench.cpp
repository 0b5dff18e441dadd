// Throughput of the DXF writer on a stress drawing of over a million DXF
// lines: the production path (streaming the text to its file) against a
// naive writer that flushes every line, against the same lines written
// through stdio without flushing, and against one plain write of the
// finished bytes; then the whole program's figures (process_bench.h).
// Usage: quadrel_dxf_bench [TEMP_DIR]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bench_main.h"
#include "drawing/drawing.h"
#include "drawing/grid.h"
#include "drawing/north_arrow.h"
#include "drawing/sheet.h"
#include "drawing/tick_marks.h"
#include "drawing/title_block.h"
#include "drawing/title_block_a.h"
#include "drawing/title_block_b.h"
#include "dxf/dxf_drawing.h"
#include "dxf/dxf_writer.h"
#include "layout/map_layout.h"
#include "model/set_store.h"
#include "process_bench.h"

namespace {

using quadrel::DxfWriter;
using Clock = std::chrono::steady_clock;

constexpr int ProductionRuns = 5;
constexpr int NaiveRuns = 3;
constexpr int PlainRuns = 5;
constexpr double NaiveFactorTarget = 10.0;
constexpr double PlainFactorTarget = 3.0;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// 1234567 as "1,234,567", so that the counts read at a glance.
std::string Grouped(std::int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

quadrel::DrawingInput StressInput() {
    quadrel::GridSet grid;
    grid.Description = "Stress sheet";
    grid.ImpMet = "M";
    grid.XAxisTitle = "Eastings";
    grid.YAxisTitle = "Northings";
    grid.XMin = "0";
    grid.XMax = "20000";
    grid.XGrid = "100";
    grid.XScale = "1000";
    grid.XAdd = "0";
    grid.XConst = "0";
    grid.YMin = "0";
    grid.YMax = "20000";
    grid.YGrid = "100";
    grid.YScale = "1000";
    grid.YAdd = "0";
    grid.YConst = "0";
    // A tick every 2 units on all four edges, each with its label: the bulk
    // of the drawing.
    grid.HtPosition = "1";
    grid.HtLengthLeft = "0.1";
    grid.HtLengthRight = "0.1";
    grid.HtStart = "0";
    grid.HtEnd = "20000";
    grid.HtSpacing = "2";
    grid.VtPosition = "1";
    grid.VtLengthTop = "0.1";
    grid.VtLengthBottom = "0.1";
    grid.VtStart = "0";
    grid.VtEnd = "20000";
    grid.VtSpacing = "2";
    grid.BorderSize = "1.0";
    grid.CutLeft = "0.25";
    grid.CutRight = "0.25";
    grid.CutTop = "0.25";
    grid.CutBottom = "0.25";
    grid.NorthArrowCorner = "UR";
    grid.NorthArrowSize = "1.0";
    grid.NorthArrowDistance = "0";
    grid.TitleBlockFlag = "Y";
    grid.TitleBlockType = "A";

    quadrel::TitleSet title;
    title.Company1 = "Géologie Mañana Mining";
    title.Company2 = "Benchmark Mine";
    title.MainTitle1 = "Pit: Stress Test";
    title.MainTitle2 = "A dense grid";
    title.MainTitle3 = "with ticks on every edge";
    title.Office = "Minesite";
    title.Department = "Engineering";
    title.MapIndex = "BENCH-001";
    title.DrawingNumber = "B-0001";
    title.DrawnBy = "QDL";
    title.CheckedBy = "QDL";
    title.ApprovedBy = "QDL";
    title.PreparedBy = "Quadrel";

    quadrel::LimitsInput limits;
    limits.Metric = true;
    limits.XMin = 0;
    limits.XMax = 20000;
    limits.YMin = 0;
    limits.YMax = 20000;
    limits.XScale = 1000;
    limits.YScale = 1000;
    limits.BorderSize = 1.0;
    limits.PlotTitleBlock = true;
    limits.TitleBlockType = "A";
    limits.CutLeft = limits.CutRight = limits.CutTop = limits.CutBottom = 0.25;

    quadrel::DrawingInput input;
    input.Grid = grid;
    input.Title = title;
    quadrel::ComputeMapLayout(input.Layout, limits);
    input.TitleBlock = quadrel::TitleBlockChoice::TypeA;
    input.Date = "2024-01-01";
    input.FileName = "stress.dxf";
    return input;
}

// The production drawing holds one title block; the stress drawing holds
// both types, so that every component is exercised in one file.
void WriteStressDrawing(DxfWriter& writer, const std::filesystem::path& path,
                        const quadrel::DrawingInput& input) {
    const quadrel::MapLayout& layout = input.Layout;
    const quadrel::TitleBlockTexts texts{input.Title, input.Date, input.FileName,
                                         input.DecimalSeparator};
    writer.OpenDrawing(path);
    writer.WriteHeader(layout.PlotXMin, layout.PlotYMin, layout.PlotXMax, layout.PlotYMax);
    writer.WriteTables();
    quadrel::WriteTitleBlockA(writer, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    quadrel::WriteTitleBlockB(writer, layout.BorderWidthUnits, layout.XUnitsPerInch, layout, texts);
    const quadrel::Sheet sheet = quadrel::ReadSheet(input.Grid, input.DecimalSeparator);
    quadrel::WriteGrid(writer, sheet.Grid, layout, 1);
    const quadrel::Point arrow = quadrel::PlaceNorthArrow(sheet.NorthArrowCorner, 1.0, 0, layout);
    quadrel::WriteNorthArrow(writer, arrow, layout.XUnitsPerInch, 1.0);
    quadrel::WriteTickMarks(writer, sheet, layout);
    writer.EndDrawing();
}

struct Timing {
    double Best = 0;
    std::vector<double> Phases;  // of the best run
};

std::uintmax_t FileSize(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

void Require(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error(what);
}

void PrintRow(std::string_view name, std::int64_t lines, std::size_t bytes, std::int64_t entities,
              double seconds) {
    std::printf("%-12s %s lines  %.1f MB  %.3f s  %s entities/s  %.0f MB/s\n",
                std::string(name).c_str(), Grouped(lines).c_str(), bytes / 1e6, seconds,
                Grouped(static_cast<std::int64_t>(entities / seconds)).c_str(),
                bytes / 1e6 / seconds);
}

// Every writer writes a file that does not exist yet, so that none of them
// pays for truncating the previous run's file.
void RemoveBefore(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// The best time of `runs` runs of a reference writer that writes through
// stdio into a new file at `path`, which must then hold `bytes` bytes.
template <typename Write>
double BestStdioWrite(int runs, const std::filesystem::path& path, std::size_t bytes, Write write) {
    double best = 0;
    for (int run = 0; run < runs; ++run) {
        RemoveBefore(path);
        const auto t0 = Clock::now();
        std::FILE* file = std::fopen(path.c_str(), "wb");
        Require(file != nullptr, "cannot open " + path.string());
        write(file);
        Require(std::fclose(file) == 0, "cannot close " + path.string());
        const double seconds = Seconds(t0, Clock::now());
        if (run == 0 || seconds < best) best = seconds;
    }
    Require(FileSize(path) == bytes, path.string() + " has the wrong size");
    return best;
}

const char* const BenchFiles[] = {"production.dxf", "naive.dxf", "plain.dxf"};

const char* const ProcessBenchFolder = "process";

// Removes the files a run may have left, then the folder when it is empty.
void RemoveBenchFiles(const std::filesystem::path& dir) {
    std::error_code ignored;
    for (const char* name : BenchFiles) std::filesystem::remove(dir / name, ignored);
    std::filesystem::remove_all(dir / ProcessBenchFolder, ignored);
    std::filesystem::remove(dir, ignored);
}

int Run(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    const std::filesystem::path productionPath = dir / BenchFiles[0];
    const std::filesystem::path naivePath = dir / BenchFiles[1];
    const std::filesystem::path plainPath = dir / BenchFiles[2];
    const quadrel::DrawingInput input = StressInput();

    // Production: building the text and CloseDrawing, as Create output does.
    Timing production;
    std::string text;
    std::int64_t entities = 0;
    for (int run = 0; run < ProductionRuns; ++run) {
        RemoveBefore(productionPath);
        const auto t0 = Clock::now();
        DxfWriter writer;
        WriteStressDrawing(writer, productionPath, input);
        const auto t1 = Clock::now();
        writer.CloseDrawing();
        const auto t2 = Clock::now();
        const double seconds = Seconds(t0, t2);
        if (run == 0 || seconds < production.Best) {
            production.Best = seconds;
            production.Phases = {Seconds(t0, t1), Seconds(t1, t2)};
        }
        if (run == 0) {
            std::ifstream written(productionPath, std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(written), {});
            entities = writer.EntityCount();
        }
    }
    Require(FileSize(productionPath) == text.size(), "the production file has the wrong size");

    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        Require(end != std::string::npos, "the drawing does not end with CR LF");
        lines.emplace_back(text, start, end - start);
        start = end + 2;
    }
    const auto lineCount = static_cast<std::int64_t>(lines.size());
    Require(lineCount >= 1'000'000, "the stress drawing has fewer than 1,000,000 lines");
    Require(entities < quadrel::MaxDrawingEntities, "the stress drawing is over the entity limit");

    // Naive: formatted output with a flush after every line.
    const double naive = BestStdioWrite(NaiveRuns, naivePath, text.size(), [&](std::FILE* file) {
        for (const std::string& line : lines) {
            std::fprintf(file, "%s\r\n", line.c_str());
            std::fflush(file);
        }
    });
    // Plain lines: the same lines through stdio, buffered, without the
    // naive writer's flush.
    const double plainLines =
        BestStdioWrite(PlainRuns, plainPath, text.size(), [&](std::FILE* file) {
            for (const std::string& line : lines) {
                std::fputs(line.c_str(), file);
                std::fputs("\r\n", file);
            }
        });
    // Plain write: the finished bytes in one write.
    const double plain = BestStdioWrite(PlainRuns, plainPath, text.size(), [&](std::FILE* file) {
        Require(std::fwrite(text.data(), 1, text.size(), file) == text.size(),
                "cannot write " + plainPath.string());
    });

    std::printf("stress drawing: %s DXF lines, %s entities, %.1f MB; best of %d/%d/%d runs\n",
                Grouped(lineCount).c_str(), Grouped(entities).c_str(), text.size() / 1e6,
                ProductionRuns, NaiveRuns, PlainRuns);
    PrintRow("production", lineCount, text.size(), entities, production.Best);
    std::printf("  phases     drawing, written as built %.3f s, CloseDrawing %.3f s\n",
                production.Phases[0], production.Phases[1]);
    PrintRow("naive", lineCount, text.size(), entities, naive);
    PrintRow("plain lines", lineCount, text.size(), entities, plainLines);
    PrintRow("plain write", lineCount, text.size(), entities, plain);
    const double overNaive = naive / production.Best;
    const double linesFactor = production.Best / plainLines;
    const double plainFactor = production.Best / plain;
    std::printf("production vs naive        %6.1fx faster  (target: at least %.0fx)  %s\n",
                overNaive, NaiveFactorTarget, overNaive >= NaiveFactorTarget ? "PASS" : "FAIL");
    std::printf("production vs plain lines  %6.2fx the time (target: at most %.0fx)  %s\n",
                linesFactor, PlainFactorTarget, linesFactor <= PlainFactorTarget ? "PASS" : "FAIL");
    // A write of bytes already in memory runs at memory speed; the whole
    // program against cp, below, is the measure for writing a file.
    std::printf("production vs plain write  %6.2fx the time\n", plainFactor);
    return 0;
}

// The whole program first, while this process is still small
// (process_bench.h), then the writer in this process.
int RunAll(const std::filesystem::path& dir) {
    const int status = RunProcessBench(QUADREL_BINARY, dir / ProcessBenchFolder);
    if (status != 0) return status;
    std::printf("\nDXF writer in this process\n");
    return Run(dir);
}

}  // namespace

int main(int argc, char** argv) {
    return BenchMain("quadrel_dxf_bench", argc, argv, RunAll, RemoveBenchFiles);
}
