#include "datafiles/title_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "base/text.h"
#include "datafiles/data_lines.h"
#include "datafiles/value_line.h"

namespace quadrel {
namespace {

constexpr std::size_t TitleValueWidth = 30;

constexpr std::array<std::string_view, TitleFieldCount> TitleComments{
    "/ Company designation 1.    (30 MAX.)", "/ Company designation 2.    (30 MAX.)",
    "/ Main Title 1              (30 MAX.)", "/ Main Title 2              (30 MAX.)",
    "/ Main Title 3              (30 MAX.)", "/ Office                    (24 MAX.)",
    "/ Department                (24 MAX.)", "/ Map index or plate number (12 MAX.)",
    "/ Drawing number            (12 MAX.)", "/ Drawn by                  (25 MAX.)",
    "/ Checked by                (25 MAX.)", "/ Approved by               (25 MAX.)",
    "/ Prepared by               (30 MAX.)",
};

}  // namespace

ReadOutcome ReadTitleLines(std::istream& in, TitleSetStore& store) {
    // The next line goes to `place`; a count outside the lines that exist
    // must never become an index.
    std::int32_t place = std::clamp(store.TitleLineCount, 0, MaxTitleLines);
    const std::int32_t heldSets = std::clamp(store.TitleSetCount, 0, MaxTitleSets);
    const std::int32_t usable =
        std::min(TitleLinesPerSet * (MaxTitleSets - heldSets), MaxTitleLines - place);
    const std::vector<std::string> lines = ReadDataLines(in, static_cast<std::size_t>(usable));

    int k = 0;
    for (const std::string& line : lines) {
        ++k;
        const bool setBegins = k == 1;
        if (setBegins && store.TitleSetCount >= MaxTitleSets) {
            store.TitleSetCount = MaxTitleSets;
            return ReadOutcome::CapacityReached;
        }
        if (place >= MaxTitleLines) return ReadOutcome::CapacityReached;
        if (setBegins) store.TitleSetCount = std::max(store.TitleSetCount, 0) + 1;
        if (k == TitleLinesPerSet) k = 0;

        const auto index = static_cast<std::size_t>(place);
        store.TitleLines[index] = TitleLineValue(line);
        store.AsReadTitleLines[index] = store.TitleLines[index];
        ++place;
        store.TitleLineCount = place;
        ++store.TitleLinesRead;
    }
    return ReadOutcome::EndOfFile;
}

ReadOutcome ReadTitleFile(const std::filesystem::path& path, TitleSetStore& store) {
    ReadOutcome outcome = ReadOutcome::EndOfFile;
    ReadDataFile(path, [&](std::istream& in) { outcome = ReadTitleLines(in, store); });
    return outcome;
}

std::string TitleFileText(TitleSetStore& store) {
    std::string text;
    const std::int32_t count = std::clamp(store.TitleLineCount, 0, MaxTitleLines);
    int k = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        ++k;
        std::string& line = store.TitleLines[static_cast<std::size_t>(i)];
        line = Trim(line);
        if (k == TitleLinesPerSet) {
            text += ' ';
            k = 0;
        } else {
            text += PadRight(line, TitleValueWidth);
            text += TitleComments[static_cast<std::size_t>(k - 1)];
        }
        text += '\n';
    }
    return text;
}

void WriteTitleFile(const std::filesystem::path& path, TitleSetStore& store) {
    WriteFileAtomically(path, TitleFileText(store));
}

}  // namespace quadrel
