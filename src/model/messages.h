// The numbered messages that tell the user what to fix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrel {

using MessageCode = std::int32_t;

namespace Messages {
inline constexpr MessageCode MinimumYMissing = 4;
inline constexpr MessageCode MaximumYMissing = 5;
inline constexpr MessageCode YScaleMissing = 7;
inline constexpr MessageCode MinimumXMissing = 10;
inline constexpr MessageCode MaximumXMissing = 11;
inline constexpr MessageCode XScaleMissing = 13;
inline constexpr MessageCode TitleBlockTypeInvalid = 34;
inline constexpr MessageCode GridSetCapacity = 100;
inline constexpr MessageCode TitleSetCapacity = 101;
inline constexpr MessageCode SampleFilesCreated = 1000;
}  // namespace Messages

// The fixed text of a code, or nothing for a code not in the table.
std::optional<std::string_view> MessageFixedText(MessageCode code);

// The text the message area shows: the fixed text, one blank and the
// context (message 1000 without its context); nothing for an unknown code.
std::optional<std::string> MessageText(MessageCode code, std::string_view context);

// Why an edit whose text a data file stores does not take a "/".
inline constexpr std::string_view SlashRefusedText =
    "\"/\" cannot be typed here: in the data file it would start the line's comment, "
    "and everything after it would be lost.";

// Asked when the write-files dialog is closed with a changed kind of sets
// left without Yes or No: OK quits without saving them, Cancel goes back to
// the dialog.
inline constexpr std::string_view UnansweredSaveCaption = "Write Grid and/or Title Block files...";
std::string UnansweredSaveQuestion(bool grid, bool title);

}  // namespace quadrel
