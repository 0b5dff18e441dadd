// The DXF writer: number format, text encoding, the file's sections, the
// entity limit, and writing the file.
#include "dxf/dxf_writer.h"

#include "dxf/dxf_number.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/atomic_file.h"
#include "support/dxf_reader.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::ParseDxf;

struct NumberCase {
    double value;
    int decimals;
    const char* text;
};

TEST(DxfNumber, FixedPointWithAlternateFormAndCLocale) {
    const NumberCase cases[] = {
        {12.3456, 3, "12.346"},
        {90, 2, "90.00"},
        {1250, 0, "1250."},
        {-0.0001, 3, "-0.000"},
        {-0.0, 1, "-0.0"},
        {2.5, 0, "2."},  // halfway to even, as printf rounds the exact binary value
        {0.125, 2, "0.12"},
        {1e20, 1, "100000000000000000000.0"},
        {-1234567.891, 1, "-1234567.9"},
        {0.1, 20, "0.10000000000000000555"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendDxfNumber(out, c.value, c.decimals);
        EXPECT_EQ(out, c.text) << c.value << " with " << c.decimals;
    }
}

TEST(DxfNumber, ManyDecimalsAreWrittenInFull) {
    std::string out;
    AppendDxfNumber(out, 1.5, 400);
    EXPECT_EQ(out.size(), 2U + 400U);
    EXPECT_EQ(out.substr(0, 4), "1.50");
}

TEST(DxfNumber, NonFiniteValuesAreRefused) {
    std::string out;
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::infinity(), 3), DrawingError);
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::quiet_NaN(), 3), DrawingError);
    EXPECT_TRUE(out.empty());
}

struct TextCase {
    const char* utf8;
    const char* dxf;
};

TEST(DxfText, Windows1252WithEscapesForTheRest) {
    const TextCase cases[] = {
        {"Grid 12", "Grid 12"},
        {"G\xC3\xA9ologie Ma\xC3\xB1" "ana", "G\xE9ologie Ma\xF1" "ana"},
        {"\xE2\x82\xAC 5", "\x80 5"},                 // the euro sign has a byte of its own
        {"\xCE\xA9", "\\U+03A9"},                     // Greek capital omega
        {"\xF0\x9F\x98\x80", "\\U+1F600"},           // beyond the basic plane
        {"a\nb\rc\td", "a\\U+000Ab\\U+000Dc\\U+0009d"},  // would break the line structure
        {"\xFF", "\\U+FFFD"},                          // a stray byte
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DxfText(c.utf8), c.dxf) << c.utf8;
}

// A drawing with the given body between the tables and the end.
template <typename Body>
std::string Drawing(Body body) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.WriteHeader(-1.5, 2, 300.25, 400);
    writer.WriteTables();
    body(writer);
    writer.EndDrawing();
    return std::string(writer.Text());
}

TEST(DxfWriter, HeaderAndTablesAloneMakeAWellFormedFile) {
    const std::string text = Drawing([](DxfWriter&) {});
    EXPECT_EQ(text,
              "0\r\nSECTION\r\n2\r\nHEADER\r\n"
              "9\r\n$ACADVER\r\n1\r\nAC1009\r\n"
              "9\r\n$DWGCODEPAGE\r\n3\r\nANSI_1252\r\n"
              "9\r\n$EXTMIN\r\n10\r\n-1.500\r\n20\r\n2.000\r\n"
              "9\r\n$EXTMAX\r\n10\r\n300.250\r\n20\r\n400.000\r\n"
              "9\r\n$LIMMIN\r\n10\r\n-1.500\r\n20\r\n2.000\r\n"
              "9\r\n$LIMMAX\r\n10\r\n300.250\r\n20\r\n400.000\r\n"
              "0\r\nENDSEC\r\n"
              "0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nTABLE\r\n2\r\nSTYLE\r\n70\r\n1\r\n"
              "0\r\nENDTAB\r\n0\r\nENDSEC\r\n"
              "0\r\nEOF\r\n");
}

TEST(DxfWriter, EntitiesShareOneSectionWithTheirCommentsInPlace) {
    const std::string text = Drawing([](DxfWriter& writer) {
        writer.WriteComment("=== First");
        writer.WriteText("Grid", "label", 1, 2, 0, 0, 0.1, 90);
        writer.WriteLine(0, 0, 0, 10, 10, 0, "Grid", 1);
        writer.WriteComment("=== Second");
        writer.WriteRectangle(0, 0, 5, 5, "Box");
    });
    const auto file = ParseDxf(text);
    EXPECT_EQ(file.Sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    ASSERT_EQ(file.Entities.size(), 3U);
    EXPECT_EQ(file.FirstEntityAfter("=== First"), 0U);
    EXPECT_EQ(file.FirstEntityAfter("=== Second"), 2U);
    EXPECT_NE(text.find("0\r\nSECTION\r\n2\r\nENTITIES\r\n999\r\n=== First\r\n0\r\nTEXT\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("0\r\nSEQEND\r\n8\r\nBox\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n"), std::string::npos);
}

TEST(DxfWriter, TextLineAndPolylineGroupsInOrder) {
    const std::string text = Drawing([](DxfWriter& writer) {
        writer.WriteText("L", "", 1, 2, 0, 0, 0.1, 90);
        writer.WriteLine(1, 2, 3, 4, 5, 6, "L", 2);
        writer.BeginPolyline("P");
        writer.WriteVertex(7, 8, 0, "P", 1);
        writer.EndPolyline("P");
    });
    EXPECT_NE(text.find("0\r\nTEXT\r\n8\r\nL\r\n1\r\n\r\n10\r\n1.\r\n20\r\n2.\r\n30\r\n0.\r\n"
                        "40\r\n0.100\r\n50\r\n90.00\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("0\r\nLINE\r\n8\r\nL\r\n10\r\n1.00\r\n20\r\n2.00\r\n30\r\n3.00\r\n"
                        "11\r\n4.00\r\n21\r\n5.00\r\n31\r\n6.00\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("0\r\nPOLYLINE\r\n70\r\n8\r\n8\r\nP\r\n66\r\n1\r\n"
                        "0\r\nVERTEX\r\n70\r\n32\r\n8\r\nP\r\n10\r\n7.0\r\n20\r\n8.0\r\n30\r\n0.0\r\n"
                        "0\r\nSEQEND\r\n8\r\nP\r\n"),
              std::string::npos);
}

TEST(DxfWriter, RectangleKeepsTheArgumentOrder) {
    const auto file = ParseDxf(Drawing([](DxfWriter& writer) { writer.WriteRectangle(5, 6, 1, 2, "R"); }));
    ASSERT_EQ(file.Entities.size(), 1U);
    const auto& vertices = file.Entities[0].Vertices;
    ASSERT_EQ(vertices.size(), 5U);
    const char* expected[5][2] = {{"5.000", "6.000"}, {"5.000", "2.000"}, {"1.000", "2.000"},
                                  {"1.000", "6.000"}, {"5.000", "6.000"}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(vertices[i].Value(10), expected[i][0]) << i;
        EXPECT_EQ(vertices[i].Value(20), expected[i][1]) << i;
    }
    EXPECT_EQ(file.Entities[0].SeqEndLayer, "R");
}

TEST(DxfWriter, TextsAreEncodedForTheCodePage) {
    const std::string text = Drawing([](DxfWriter& writer) {
        writer.WriteText("Title", "Gr\xC3\xBC\xC3\x9F" "e \xCE\xB1", 0, 0, 0, 1, 1, 0);
    });
    EXPECT_NE(text.find("1\r\nGr\xFC\xDF" "e \\U+03B1\r\n"), std::string::npos);
}

TEST(DxfWriter, CountsEveryEntityAndVertex) {
    DxfWriter writer;
    writer.OpenDrawing("unused.dxf");
    writer.WriteHeader(0, 0, 1, 1);
    writer.WriteTables();
    writer.WriteText("L", "t", 0, 0, 0, 1, 1, 0);
    writer.WriteRectangle(0, 0, 1, 1, "L");  // a polyline and five vertices
    writer.WriteComment("not an entity");
    writer.EndDrawing();
    EXPECT_EQ(writer.EntityCount(), 7);
}

TEST(DxfWriter, MoreThanAMillionEntitiesAreRefusedNamingTheLayer) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.BeginPolyline("Grid");
    for (std::int64_t i = 1; i < MaxDrawingEntities; ++i) writer.WriteVertex(0, 0, 0, "Grid", 0);
    try {
        writer.WriteVertex(0, 0, 0, "HTicks", 0);
        FAIL() << "the 1,000,001st entity was accepted";
    } catch (const DrawingError& error) {
        EXPECT_NE(std::string(error.what()).find("\"HTicks\""), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("1,000,000"), std::string::npos) << error.what();
    }
}

TEST(DxfWriter, CloseDrawingWritesExactlyTheText) {
    testing::TempDir dir;
    DxfWriter writer;
    writer.OpenDrawing(dir / "out.dxf");
    writer.WriteHeader(-1.5, 2, 300.25, 400);
    writer.WriteTables();
    writer.WriteLine(0, 0, 0, 1, 1, 0, "Grid", 3);
    writer.EndDrawing();
    writer.CloseDrawing();
    EXPECT_EQ(testing::TempDir::Read(dir / "out.dxf"),
              Drawing([](DxfWriter& inMemory) { inMemory.WriteLine(0, 0, 0, 1, 1, 0, "Grid", 3); }));
    EXPECT_EQ(dir.FileCount(), 1U);
}

TEST(DxfWriter, UnwritablePathIsReportedAndLeavesNoFile) {
    testing::TempDir dir;
    DxfWriter writer;
    writer.OpenDrawing(dir / "missing" / "out.dxf");
    writer.WriteHeader(0, 0, 1, 1);
    writer.EndDrawing();
    try {
        writer.CloseDrawing();
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("out.dxf"), std::string::npos);
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

}  // namespace
}  // namespace quadrel
