#include "app/messages.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quadrel {
namespace {

struct MessageCase {
    MessageCode code;
    const char* context;
    const char* expected;
};

void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.code; }

class MessageTextTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageTextTest, ComposesFixedTextBlankAndContext) {
    const auto& c = GetParam();
    EXPECT_EQ(MessageText(c.code, c.context).value(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MessageTextTest,
    ::testing::Values(
        MessageCase{4, "YMin", " - 0004: Minimum Y-axis MUST be filled in! YMin"},
        MessageCase{5, "YMax", " - 0005: Maximum Y-axis MUST be filled in! YMax"},
        MessageCase{7, "YScale", " - 0007: Y-Scale MUST be filled in! YScale"},
        MessageCase{10, "XMin", " - 0010: Minimum X-axis MUST be filled in! XMin"},
        MessageCase{11, "XMax", " - 0011: Maximum X-axis MUST be filled in! XMax"},
        MessageCase{13, "XScale", " - 0013: X-Scale MUST be filled in! XScale"},
        MessageCase{34, "Title Block Type", " - 0034: Title Block Type is invalid! Title Block Type"},
        MessageCase{100, "Read grid data",
                    " - 0100: Maximum number of grid sets have been read. Read grid data"},
        MessageCase{101, "Read title data",
                    " - 0101: Maximum number of title sets have been read. Read title data"},
        MessageCase{1000, "Sample Files",
                    " - 1000: 2 sample files called QDLGrid.SAM and QDLTitle.SAM have been "
                    "created for you."}));

TEST(MessageText, UnknownCodeHasNoText) {
    for (MessageCode code : {0, 1, 6, 99, 102, 999, 1001, -4}) {
        EXPECT_FALSE(MessageText(code, "x").has_value()) << code;
    }
}

}  // namespace
}  // namespace quadrel
