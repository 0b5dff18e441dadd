#include "datafiles/sample_files.h"

#include <array>
#include <cstddef>
#include <string>

#include "base/atomic_file.h"
#include "base/text.h"

namespace quadrel {
namespace {

// One fixed-width sample line: the value part as it stands, blanks up to the
// column of the "/" (from 1), the comment, blanks up to the width. A line
// without a slash column is a separator of blanks only.
struct SampleLine {
    std::string_view Value;
    std::size_t SlashColumn;
    std::string_view Comment;
    std::size_t Width;
};

constexpr std::size_t Wide = 91;
constexpr std::size_t Narrow = 75;

constexpr std::array<SampleLine, 32> SampleGridLines{{
    {"Description 1 - this is to test Quadrel", 61, "/ Description (60 chars. Max.)", Wide},
    {"I", 31, "/ Metric or Imperial (M or I)", Narrow},
    {"Eastings (X)", 31, "/ X-axis title (30 chars. Max.)", Narrow},
    {"Northings (Y)", 31, "/ Y-axis title (30 chars. Max.)", Narrow},
    {" 99000  96000 1000  100.0  0  0.0", 51, "/ XMin, XMax, XGrid, XScale, XAdd, XConst", Wide},
    {" 97000  93000 1000  100.0  0  0.0", 51, "/ YMin, YMax, YGrid, YScale, YAdd, YConst", Wide},
    {"2 0.25 0.25", 31, "/ HtPosition, HtLength(left), HtLength(right)", Narrow},
    {" 98100 102400 100", 31, "/ HtStart, HtEnd, HtSpacing", Narrow},
    {"3 0.25 0.25", 31, "/ VtPosition, VtLength(top), VtLength(bottom)", Narrow},
    {" 98200  99800 200", 31, "/ VtStart, VtEnd, Vtspacing", Narrow},
    {"0.0", 31, "/ Border around grid", Narrow},
    {"1.500 2.500 3.500 4.543", 31, "/ Cutting border (inches: Left, Right, Top, Bottom)", Wide},
    {"LR  0.75  0.0", 31, "/ North Arrow (LR, LL, UL, UR), Size, Distance from map edge", Wide},
    {"Y", 31, "/ Title block      (Y or N)", Narrow},
    {"A", 31, "/ Title block type (A, B, etc.)", Narrow},
    {"", 0, "", Narrow},
    {"Description 2 - this is another description.................", 61,
     "/ Description (60 chars. Max.)", Wide},
    {"M", 31, "/ Metric or Imperial (M or I)", Narrow},
    {"DEPARTURE", 31, "/ X-axis title (30 chars. Max.)", Narrow},
    {"LATITUDE", 31, "/ Y-axis title (30 chars. Max.)", Narrow},
    {" 20600  21600  500 2500.0  0  0.0", 51, "/ XMin, XMax, XGrid, XScale, XAdd, XConst", Wide},
    {" 19550  20150  500 2500.0  0  0.0", 51, "/ YMin, YMax, YGrid, YScale, YAdd, YConst", Wide},
    {"1 0.25 0.25", 31, "/ HtPosition, HtLength(left), HtLength(right)", Narrow},
    {" 98100 102400 100", 31, "/ HtStart, HtEnd, HtSpacing", Narrow},
    {"4 0.25 0.25", 31, "/ VtPosition, VtLength(top), VtLength(bottom)", Narrow},
    {" 98200  99800 200", 31, "/ VtStart, VtEnd, Vtspacing", Narrow},
    {"0.0", 31, "/ Border around grid", Narrow},
    {"1.500 0.750 0.500 0.500", 31, "/ Cutting border (inches: Left, Right, Top, Bottom)", Wide},
    {"UL  0.5   0.0", 31, "/ North Arrow (LR, LL, UL, UR), Size, Distance from map edge", Wide},
    {"Y", 31, "/ Title block      (Y or N)", Narrow},
    {"A", 31, "/ Title block type (A, B, etc.)", Narrow},
    {"", 0, "", Narrow},
}};

constexpr std::size_t TitleWidth = 70;
constexpr std::size_t TitleSlash = 31;

constexpr std::array<SampleLine, 28> SampleTitleLines{{
    {"Fly-By-Night Mining Company", TitleSlash, "/ Company designation 1.    (30 MAX.)",
     TitleWidth},
    {"Wishful Thinking Mine", TitleSlash, "/ Company designation 2.    (30 MAX.)", TitleWidth},
    {"Pit: Dubious Choice", TitleSlash, "/ Main Title 1              (30 MAX.)", TitleWidth},
    {"Consultant Design 1997 by", TitleSlash, "/ Main Title 2              (30 MAX.)", TitleWidth},
    {"Hollis, Marrow & Vane", TitleSlash, "/ Main Title 3              (30 MAX.)", TitleWidth},
    {"Minesite", TitleSlash, "/ Office                    (24 MAX.)", TitleWidth},
    {"ENGINEERING", TitleSlash, "/ Department                (24 MAX.)", TitleWidth},
    {"OP-002-ENG", TitleSlash, "/ Map index or plate number (12 MAX.)", TitleWidth},
    {"99B-001", TitleSlash, "/ Drawing number            (12 MAX.)", TitleWidth},
    {"DDD", TitleSlash, "/ Drawn by                  ( 6 MAX.)", TitleWidth},
    {"CCC", TitleSlash, "/ Checked by                ( 6 MAX.)", TitleWidth},
    {"AAA", TitleSlash, "/ Approved by               ( 6 MAX.)", TitleWidth},
    {"Hollis, Marrow & Vane", TitleSlash, "/ Prepared by               (30 MAX.)", TitleWidth},
    {"", 0, "", TitleWidth},
    {"Fly-By-Night Mining Company", TitleSlash, "/ Company designation 1.    (30 MAX.)",
     TitleWidth},
    {"Bag o' Dirt Mine", TitleSlash, "/ Company designation 2.    (30 MAX.)", TitleWidth},
    {"Pit: Poor Choice", TitleSlash, "/ Main Title 1              (30 MAX.)", TitleWidth},
    {"Consultant Design 2002 by", TitleSlash, "/ Main Title 2              (30 MAX.)", TitleWidth},
    {"Hallis, Marrow & Vane", TitleSlash, "/ Main Title 3              (30 MAX.)", TitleWidth},
    {"Minesite", TitleSlash, "/ Office                    (24 MAX.)", TitleWidth},
    {"Geology", TitleSlash, "/ Department                (24 MAX.)", TitleWidth},
    {"OP-002-Geo", TitleSlash, "/ Map index or plate number (12 MAX.)", TitleWidth},
    {"20A-001", TitleSlash, "/ Drawing number            (12 MAX.)", TitleWidth},
    {"T. Fenn", TitleSlash, "/ Drawn by                  ( 6 MAX.)", TitleWidth},
    {"B. Rook", TitleSlash, "/ Checked by                ( 6 MAX.)", TitleWidth},
    {"D. Hartwell", TitleSlash, "/ Approved by               ( 6 MAX.)", TitleWidth},
    {"Hallis, Marrow & Vane", TitleSlash, "/ Prepared by               (30 MAX.)", TitleWidth},
    {"", 0, "", TitleWidth},
}};

template <std::size_t N>
std::string SampleText(const std::array<SampleLine, N>& lines) {
    std::string text;
    for (const SampleLine& line : lines) {
        std::string row;
        if (line.SlashColumn > 0) {
            row = PadRight(line.Value, line.SlashColumn - 1);
            row += line.Comment;
        }
        text += PadRight(row, line.Width);
        text += '\n';
    }
    return text;
}

}  // namespace

std::string_view SampleGridFileText() {
    static const std::string text = SampleText(SampleGridLines);
    return text;
}

std::string_view SampleTitleFileText() {
    static const std::string text = SampleText(SampleTitleLines);
    return text;
}

void WriteSampleFiles(const std::filesystem::path& directory) {
    WriteFileAtomically(directory / SampleGridFileName, SampleGridFileText());
    WriteFileAtomically(directory / SampleTitleFileName, SampleTitleFileText());
}

}  // namespace quadrel
