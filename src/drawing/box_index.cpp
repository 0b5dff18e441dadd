#include "drawing/box_index.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace quadrel {
namespace {

// Cells a box may fill on average before the cells are made larger; and a
// bound on the doublings, which no sheet comes near.
constexpr double CellsPerBox = 16;
constexpr int MostDoublings = 64;
constexpr double FarthestCell = 1e9;

std::int64_t CellOf(double coordinate, double cellSize) {
    return static_cast<std::int64_t>(
        std::floor(std::clamp(coordinate / cellSize, -FarthestCell, FarthestCell)));
}

std::uint64_t KeyOf(std::int64_t column, std::int64_t row) {
    return (static_cast<std::uint64_t>(column + (1LL << 31)) << 32) |
           static_cast<std::uint32_t>(row + (1LL << 31));
}

double CellsFilled(std::span<const Bounds> boxes, double cellSize) {
    double cells = 0;
    for (const Bounds& box : boxes) {
        cells += static_cast<double>(CellOf(box.X1, cellSize) - CellOf(box.X0, cellSize) + 1) *
                 static_cast<double>(CellOf(box.Y1, cellSize) - CellOf(box.Y0, cellSize) + 1);
    }
    return cells;
}

double ChooseCellSize(std::span<const Bounds> boxes, double cellSize) {
    double size = std::isfinite(cellSize) && cellSize > 0 ? cellSize : 1.0;
    const double most = CellsPerBox * static_cast<double>(boxes.size()) + 4096;
    for (int doubling = 0; doubling < MostDoublings && CellsFilled(boxes, size) > most;
         ++doubling) {
        size *= 2;
    }
    return size;
}

}  // namespace

void ForEachOverlappingPair(std::span<const Bounds> boxes, double cellSize,
                            const std::function<void(std::size_t, std::size_t)>& visit) {
    const double size = ChooseCellSize(boxes, cellSize);
    std::vector<std::pair<std::uint64_t, std::uint32_t>> filled;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Bounds& box = boxes[i];
        for (std::int64_t c = CellOf(box.X0, size); c <= CellOf(box.X1, size); ++c) {
            for (std::int64_t r = CellOf(box.Y0, size); r <= CellOf(box.Y1, size); ++r) {
                filled.emplace_back(KeyOf(c, r), static_cast<std::uint32_t>(i));
            }
        }
    }
    std::sort(filled.begin(), filled.end());
    for (std::size_t start = 0; start < filled.size();) {
        std::size_t end = start;
        while (end < filled.size() && filled[end].first == filled[start].first) ++end;
        for (std::size_t a = start; a < end; ++a) {
            for (std::size_t b = a + 1; b < end; ++b) {
                const std::size_t i = filled[a].second;
                const std::size_t j = filled[b].second;
                const auto both = Intersection(boxes[i], boxes[j]);
                // A pair sharing several cells is visited in the one that
                // holds the lower-left corner of their overlap.
                if (both &&
                    KeyOf(CellOf(both->X0, size), CellOf(both->Y0, size)) == filled[start].first) {
                    visit(i, j);
                }
            }
        }
        start = end;
    }
}

}  // namespace quadrel
