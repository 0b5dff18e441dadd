// Any bytes read as a title block data file: counts stay within the 700
// title lines, the writer's text is valid UTF-8 of one line per title line,
// and that text reads back to the same values and the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "datafiles/title_file.h"
#include "fuzz_checks.h"

namespace quadrel {
namespace {

void CheckTitleInput(std::string_view bytes) {
    ReadOutcome outcome{};
    const auto store = fuzz::ReadInto(bytes, &ReadTitleLines, &outcome);
    if (!store) return;
    const std::int32_t lines = store->TitleLineCount;
    QUADREL_FUZZ_CHECK(lines >= 0 && lines <= MaxTitleLines);
    QUADREL_FUZZ_CHECK(store->TitleLinesRead == lines);
    QUADREL_FUZZ_CHECK(store->TitleSetCount == (lines + TitleLinesPerSet - 1) / TitleLinesPerSet);
    QUADREL_FUZZ_CHECK(outcome == ReadOutcome::EndOfFile || store->TitleSetCount == MaxTitleSets);
    QUADREL_FUZZ_CHECK(store->CurrentTitleSet == 1);

    const std::string text = TitleFileText(*store);
    QUADREL_FUZZ_CHECK(IsValidUtf8(text));
    QUADREL_FUZZ_CHECK(fuzz::LineCount(text) == static_cast<std::size_t>(lines));

    ReadOutcome outcomeAgain{};
    const auto again = fuzz::ReadInto(text, &ReadTitleLines, &outcomeAgain);
    // A value read whole may be written into a line longer than a data
    // file may hold (a long value in many bytes a character).
    if (!again) return;
    QUADREL_FUZZ_CHECK(outcomeAgain == ReadOutcome::EndOfFile);
    QUADREL_FUZZ_CHECK(again->TitleLineCount == lines);
    for (std::int32_t i = 0; i < lines; ++i) {
        if (i % TitleLinesPerSet == TitleLinesPerSet - 1) continue;  // written as a blank
        const auto index = static_cast<std::size_t>(i);
        QUADREL_FUZZ_CHECK(again->TitleLines[index] == store->TitleLines[index]);
    }
    QUADREL_FUZZ_CHECK(TitleFileText(*again) == text);
}

}  // namespace
}  // namespace quadrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quadrel::CheckTitleInput(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
