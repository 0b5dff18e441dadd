#include "drawing/title_block_a.h"

#include <array>

namespace quadrel {
namespace {

using enum BlockTextSource;

constexpr std::array<BlockRule, 26> Rules{{
    {3.9, 0, 3.9, 1.75},       // scale box / revisions
    {4.1, 1.75, 4.1, 0.5},     // "REVISIONS" column / "NO"
    {4.3, 0.5, 4.3, 1.75},     // "NO" / revision date
    {4.9, 1.75, 4.9, 0},       // date / made by, date / drawn by
    {5.9, 0, 5.9, 1.75},       // made by / description, drawn by / checked
    {6.9, 0.5, 6.9, 0},        // checked / approved
    {7.9, 0, 7.9, 1.75},       // right edge of the revisions section
    {8.0, 1.75, 8.0, 0},       // left edge of the company section
    {11.1, 0, 11.1, 0.5},      // office / department
    {14.2, 1.75, 14.2, 0},     // right edge of the company section
    {14.3, 0, 14.3, 1.75},     // left edge of the title section
    {15.93, 0, 15.93, 0.5},    // map index number / scale
    {17.56, 0, 17.56, 0.5},    // scale / drawing number
    {19.2, 0.35, 14.3, 0.35},  // caption row / value row: title section
    {14.2, 0.35, 8.0, 0.35},   // company section
    {7.9, 0.35, 3.9, 0.35},    // approvals strip
    {3.9, 0.5, 7.9, 0.5},      // revisions table / approvals strip
    {8.0, 0.5, 14.2, 0.5},     // company box / office strip
    {14.3, 0.5, 19.2, 0.5},    // main titles / lower strip
    {19.2, 1.5, 14.3, 1.5},    // "Prepared by" row / main titles
    {7.9, 1.5, 4.1, 1.5},      // revisions header row
    {3.9, 1.5, 0, 1.5},        // scale bar title row
    {4.1, 1.3, 7.9, 1.3},      // revision rows 1 / 2
    {7.9, 1.1, 4.1, 1.1},      // rows 2 / 3
    {4.1, 0.9, 7.9, 0.9},      // rows 3 / 4
    {7.9, 0.7, 4.1, 0.7},      // rows 4 / 5
}};

constexpr std::array<BlockText, 34> Texts{{
    CaptionText("REVISIONS", 4.04, 0.73, 90),
    CaptionText("NO", 4.13, 1.585),
    CaptionText("DATE", 4.44, 1.585),
    CaptionText("MADE BY", 5.12, 1.585),
    CaptionText("DESCRIPTION", 6.46, 1.585),
    CaptionText("1", 4.16, 1.36),
    CaptionText("2", 4.16, 1.16),
    CaptionText("3", 4.16, 0.96),
    CaptionText("4", 4.16, 0.76),
    CaptionText("5", 4.16, 0.56),
    CaptionText("DATE", 4.24, BlockCaptionV),
    CaptionText("DRAWN BY", 5.08, BlockCaptionV),
    CaptionText("CHECKED", 6.12, BlockCaptionV),
    CaptionText("APPROVED", 7.08, BlockCaptionV),
    CentredText(Date, 3.9, 4.9, BlockDateV, BlockDateHeight),
    ApprovalNameText(&TitleSet::DrawnBy, 4.9, 5.9, BlockDateV),
    ApprovalNameText(&TitleSet::CheckedBy, 5.9, 6.9, BlockDateV),
    ApprovalNameText(&TitleSet::ApprovedBy, 6.9, 7.9, BlockDateV),
    BoldFieldText(&TitleSet::Company1, 8.0, 14.2, BlockCompany1V, BlockCompanyHeight),
    CentredFieldText(&TitleSet::Company2, 8.0, 14.2, BlockCompany2V, BlockCompanyHeight),
    CentredText(Preparer, 14.3, 19.2, BlockPreparerV, BlockCaptionHeight),
    MainTitleText(&TitleSet::MainTitle1, 14.3, 19.2, BlockMainTitle1V),
    MainTitleText(&TitleSet::MainTitle2, 14.3, 19.2, BlockMainTitle2V),
    MainTitleText(&TitleSet::MainTitle3, 14.3, 19.2, BlockMainTitle3V),
    CaptionText("OFFICE", 9.3, BlockCaptionV),
    CaptionText("DEPARTMENT", 12.25, BlockCaptionV),
    CaptionText("MAP INDEX NUMBER", 14.475, BlockCaptionV),
    CaptionText("SCALE", 16.545, BlockCaptionV),
    CaptionText("DRAWING NUMBER", 17.82, BlockCaptionV),
    CentredFieldText(&TitleSet::Office, 8.0, 11.1, BlockValueV, BlockValueHeight),
    CentredFieldText(&TitleSet::Department, 11.1, 14.2, BlockValueV, BlockValueHeight),
    CentredFieldText(&TitleSet::MapIndex, 14.3, 15.93, BlockValueV, BlockValueHeight),
    CentredText(Scale, 15.93, 17.56, BlockValueV, BlockValueHeight),
    // Centred up to 19.25, past the box edge at 19.2, as type A has always
    // placed its drawing number.
    CentredFieldText(&TitleSet::DrawingNumber, 17.56, 19.25, BlockValueV, BlockValueHeight),
}};

}  // namespace

void WriteTitleBlockA(DrawingSink& sink, double borderWidthUnits, double xUnitsPerInch,
                      const MapLayout& layout, const TitleBlockTexts& texts) {
    const TitleBlockPlan plan{TitleBlockALayer, "=== Title Block A", Rules, Texts};
    WriteTitleBlock(sink, plan, borderWidthUnits, xUnitsPerInch, layout, texts);
}

}  // namespace quadrel
