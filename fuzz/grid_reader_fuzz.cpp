// Any bytes read as a grid data file: counts stay within the capacity, the
// writer's text is valid UTF-8 of 16 lines per set, and that text reads back
// to the same whole values and to a store that writes the same text again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "datafiles/grid_file.h"
#include "fuzz_checks.h"

namespace quadrel {
namespace {

void CheckGridInput(std::string_view bytes) {
    ReadOutcome outcome{};
    const auto store = fuzz::ReadInto(bytes, &ReadGridLines, &outcome);
    if (!store) return;
    const std::int32_t count = store->GridSetCount;
    QUADREL_FUZZ_CHECK(count >= 0 && count <= MaxGridSets);
    QUADREL_FUZZ_CHECK(outcome == ReadOutcome::EndOfFile || count == MaxGridSets);
    QUADREL_FUZZ_CHECK(store->GridLinesRead == store->GridLineCount);
    QUADREL_FUZZ_CHECK(store->GridLinesRead <= GridLinesPerSet * count);
    QUADREL_FUZZ_CHECK(store->GridLinesRead > GridLinesPerSet * (count - 1));
    QUADREL_FUZZ_CHECK(store->CurrentGridSet == (count > 0 ? count - 1 : 0));

    const std::string text = GridFileText(*store);
    QUADREL_FUZZ_CHECK(IsValidUtf8(text));
    QUADREL_FUZZ_CHECK(fuzz::LineCount(text) == static_cast<std::size_t>(GridLinesPerSet * count));

    ReadOutcome outcomeAgain{};
    const auto again = fuzz::ReadInto(text, &ReadGridLines, &outcomeAgain);
    // A value read whole may be written into a line longer than a data
    // file may hold (a long value in many bytes a character).
    if (!again) return;
    QUADREL_FUZZ_CHECK(outcomeAgain == ReadOutcome::EndOfFile);
    QUADREL_FUZZ_CHECK(again->GridSetCount == count);
    for (std::int32_t s = 0; s < count; ++s) {
        const auto index = static_cast<std::size_t>(s);
        for (auto field :
             {&GridSet::Description, &GridSet::ImpMet, &GridSet::XAxisTitle, &GridSet::YAxisTitle,
              &GridSet::BorderSize, &GridSet::TitleBlockFlag, &GridSet::TitleBlockType}) {
            QUADREL_FUZZ_CHECK(again->GridSets[index].*field == store->GridSets[index].*field);
        }
    }

    const std::string textAgain = GridFileText(*again);
    // A set cut short keeps values that no line gave, which reading the
    // written text replaces by defaults; only whole sets come back as written.
    if (store->GridLinesRead >= GridLinesPerSet * count - 1) {
        QUADREL_FUZZ_CHECK(textAgain == text);
    }
    const auto third = fuzz::ReadInto(textAgain, &ReadGridLines);
    if (!third) return;
    QUADREL_FUZZ_CHECK(GridFileText(*third) == textAgain);
}

}  // namespace
}  // namespace quadrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quadrel::CheckGridInput(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
