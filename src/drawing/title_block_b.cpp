#include "drawing/title_block_b.h"

#include <array>

namespace quadrel {
namespace {

using enum BlockTextSource;

constexpr std::array<BlockRule, 14> Rules{{
    {3.9, 0, 3.9, 1.75},       // scale box / company section
    {4.0, 0, 4.0, 1.75},       // left edge of the company section
    {5.0, 0, 5.0, 0.5},        // date / office
    {7.6, 0, 7.6, 0.5},        // office / department
    {10.2, 0, 10.2, 1.75},     // right edge of the company section
    {10.3, 0, 10.3, 1.75},     // left edge of the title section
    {11.93, 0, 11.93, 0.5},    // map index number / scale
    {13.57, 0, 13.57, 0.5},    // scale / drawing number
    {15.2, 0.35, 10.3, 0.35},  // caption row / value row: title section
    {10.2, 0.35, 4.0, 0.35},   // company section
    {4.0, 0.5, 10.2, 0.5},     // company box / lower strip
    {10.3, 0.5, 15.2, 0.5},    // main titles / lower strip
    {15.2, 1.5, 10.3, 1.5},    // "Prepared by" row / main titles
    {3.9, 1.5, 0, 1.5},        // scale bar title row
}};

constexpr std::array<BlockText, 18> Texts{{
    BoldFieldText(&TitleSet::Company1, 4.0, 10.2, BlockCompany1V, BlockCompanyHeight),
    CentredFieldText(&TitleSet::Company2, 4.0, 10.2, BlockCompany2V, BlockCompanyHeight),
    CaptionText("DATE", 4.34, BlockCaptionV),
    CaptionText("OFFICE", 6.06, BlockCaptionV),
    CaptionText("DEPARTMENT", 8.5, BlockCaptionV),
    CentredText(Date, 4.0, 5.0, BlockDateV, BlockDateHeight),
    CentredFieldText(&TitleSet::Office, 5.0, 7.6, BlockValueV, BlockValueHeight),
    CentredFieldText(&TitleSet::Department, 7.6, 10.2, BlockValueV, BlockValueHeight),
    CentredText(Preparer, 10.3, 15.2, BlockPreparerV, BlockCaptionHeight),
    MainTitleText(&TitleSet::MainTitle1, 10.3, 15.2, BlockMainTitle1V),
    MainTitleText(&TitleSet::MainTitle2, 10.3, 15.2, BlockMainTitle2V),
    MainTitleText(&TitleSet::MainTitle3, 10.3, 15.2, BlockMainTitle3V),
    CaptionText("MAP INDEX NUMBER", 10.475, BlockCaptionV),
    CaptionText("SCALE", 12.55, BlockCaptionV),
    CaptionText("DRAWING NUMBER", 13.825, BlockCaptionV),
    CentredFieldText(&TitleSet::MapIndex, 10.3, 11.93, BlockValueV, BlockValueHeight),
    CentredText(Scale, 11.93, 13.57, BlockValueV, BlockValueHeight),
    CentredFieldText(&TitleSet::DrawingNumber, 13.57, 15.2, BlockValueV, BlockValueHeight),
}};

}  // namespace

void WriteTitleBlockB(DrawingSink& sink, double borderWidthUnits, double xUnitsPerInch,
                      const MapLayout& layout, const TitleBlockTexts& texts) {
    const TitleBlockPlan plan{TitleBlockBLayer, "=== Title Block B", Rules, Texts};
    WriteTitleBlock(sink, plan, borderWidthUnits, xUnitsPerInch, layout, texts);
}

}  // namespace quadrel
