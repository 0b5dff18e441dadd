// The DXF writer: texts in the drawing's code page.
#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "drawing/dxf_number.h"

namespace quadrel {
namespace {

TEST(DxfText, Windows1252WithEscapesForTheRest) {
    const struct {
        const char *utf8, *dxf;
    } cases[] = {
        {"G\xC3\xA9ologie", "G\xE9ologie"},
        {"\xE2\x82\xAC 5", "\x80 5"},                    // the euro sign has a byte of its own
        {"\xCE\xA9", "\\U+03A9"},                        // Greek capital omega
        {"\xF0\x9F\x98\x80", "\\U+1F600"},               // beyond the basic plane
        {"a\nb\rc\td", "a\\U+000Ab\\U+000Dc\\U+0009d"},  // would break the line structure
        {"\xFF", "\\U+FFFD"},                            // a stray byte
    };
    for (const auto& c : cases) EXPECT_EQ(DxfText(c.utf8), c.dxf) << c.utf8;
}

}  // namespace
}  // namespace quadrel
