#include "model/messages.h"

#include <array>
#include <utility>

namespace quadrel {
namespace {

constexpr std::array<std::pair<MessageCode, std::string_view>, 10> MessageTable{{
    {Messages::MinimumYMissing, " - 0004: Minimum Y-axis MUST be filled in!"},
    {Messages::MaximumYMissing, " - 0005: Maximum Y-axis MUST be filled in!"},
    {Messages::YScaleMissing, " - 0007: Y-Scale MUST be filled in!"},
    {Messages::MinimumXMissing, " - 0010: Minimum X-axis MUST be filled in!"},
    {Messages::MaximumXMissing, " - 0011: Maximum X-axis MUST be filled in!"},
    {Messages::XScaleMissing, " - 0013: X-Scale MUST be filled in!"},
    {Messages::TitleBlockTypeInvalid, " - 0034: Title Block Type is invalid!"},
    {Messages::GridSetCapacity, " - 0100: Maximum number of grid sets have been read."},
    {Messages::TitleSetCapacity, " - 0101: Maximum number of title sets have been read."},
    {Messages::SampleFilesCreated,
     " - 1000: 2 sample files called QDLGrid.SAM and QDLTitle.SAM have been created for you."},
}};

}  // namespace

std::optional<std::string_view> MessageFixedText(MessageCode code) {
    for (const auto& [tableCode, text] : MessageTable) {
        if (tableCode == code) return text;
    }
    return std::nullopt;
}

std::optional<std::string> MessageText(MessageCode code, std::string_view context) {
    const auto fixed = MessageFixedText(code);
    if (!fixed) return std::nullopt;
    std::string text(*fixed);
    if (code != Messages::SampleFilesCreated) {
        text += ' ';
        text += context;
    }
    return text;
}

std::string UnansweredSaveQuestion(bool grid, bool title) {
    const char* kinds = grid && title ? "the changed grid sets and title sets"
                        : grid        ? "the changed grid sets"
                                      : "the changed title sets";
    return std::string("You chose neither Yes nor No for ") + kinds +
           ".\nQuit without saving them? (Cancel goes back to the choice.)";
}

}  // namespace quadrel
