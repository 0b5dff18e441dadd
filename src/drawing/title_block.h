// What the two title block types share: the local frame in sheet inches,
// the border extension, the preparer line, the scale text and the file name.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "drawing/centred_start.h"
#include "drawing/drawing_sink.h"
#include "drawing/title_block_frame.h"
#include "layout/map_layout.h"
#include "model/set_store.h"

namespace quadrel {

// Decimals of title block geometry and of its text insertion points.
inline constexpr int TitleBlockGeometryDecimals = 3;
inline constexpr int TitleBlockTextDecimals = 1;

// What a title block prints besides the title set.
struct TitleBlockTexts {
    const TitleSet& Title;
    std::string_view Date;      // the platform's short date
    std::string_view FileName;  // the DXF path, printed below the block
    char DecimalSeparator = '.';
};

// "Prepared by " and the right-trimmed name, or "Prepared by COMPUTER".
std::string PreparerLine(std::string_view preparedBy);
// "1:2500" for metric sets, "1\" = 100'" for imperial ones.
std::string ScaleText(const MapLayout& layout, char decimalSeparator);

// What the two block types do not share is kept in tables: their rules and
// their texts, in the order they are written. Positions and heights are in
// sheet inches of the local frame.

struct BlockRule {
    double U1, V1, U2, V2;
};

enum class BlockTextSource { Caption, Field, Date, Preparer, Scale };

enum class BlockTextFit {
    StartsAtA,     // a fixed left end
    CentredAToB,   // a run of characters as wide as the text is high
    ApprovalName,  // 0.07 high, smaller for a long name so that it fills the column
};

struct BlockText {
    BlockTextSource Source = BlockTextSource::Caption;
    std::string_view Caption;
    TitleFieldPointer Field = nullptr;
    BlockTextFit Fit = BlockTextFit::StartsAtA;
    double A = 0, B = 0;
    double V = 0;
    double Height = 0;
    double Rotation = 0;
    bool Bold = false;  // printed three times, each copy 0.01 inch further right
};

inline constexpr double BlockCaptionHeight = 0.08;
inline constexpr double BlockValueHeight = 0.12;
inline constexpr double BlockCompanyHeight = 0.2;
inline constexpr double BlockDateHeight = 0.07;
inline constexpr double BlockMainTitleHeight = 0.14;
// The main titles share the left end of a centred run of this many characters.
inline constexpr double BlockMainTitleRun = 30;

// Baselines both types share: texts centred in their row along v, a
// character counted as high as wide.
inline constexpr double BlockCaptionV = 0.38;
inline constexpr double BlockPreparerV = 1.585;
inline constexpr double BlockDateV = CentredStart(0, 0.35, 1, BlockDateHeight);
inline constexpr double BlockValueV = CentredStart(0, 0.35, 1, BlockValueHeight);
inline constexpr double BlockCompany1V = CentredStart(1.125, 1.75, 1, BlockCompanyHeight);
inline constexpr double BlockCompany2V = CentredStart(0.5, 1.125, 1, BlockCompanyHeight);
inline constexpr double BlockMainTitle1V = 1.17;
inline constexpr double BlockMainTitle2V = 0.93;
inline constexpr double BlockMainTitle3V = 0.69;

constexpr BlockText CaptionText(std::string_view caption, double u, double v, double rotation = 0) {
    BlockText text;
    text.Caption = caption;
    text.A = u;
    text.V = v;
    text.Height = BlockCaptionHeight;
    text.Rotation = rotation;
    return text;
}
constexpr BlockText CentredText(BlockTextSource source, double a, double b, double v,
                                double height) {
    BlockText text;
    text.Source = source;
    text.Fit = BlockTextFit::CentredAToB;
    text.A = a;
    text.B = b;
    text.V = v;
    text.Height = height;
    return text;
}
constexpr BlockText CentredFieldText(TitleFieldPointer field, double a, double b, double v,
                                     double height) {
    BlockText text = CentredText(BlockTextSource::Field, a, b, v, height);
    text.Field = field;
    return text;
}
constexpr BlockText BoldFieldText(TitleFieldPointer field, double a, double b, double v,
                                  double height) {
    BlockText text = CentredFieldText(field, a, b, v, height);
    text.Bold = true;
    return text;
}
// The height follows from the name's length.
constexpr BlockText ApprovalNameText(TitleFieldPointer field, double a, double b, double v) {
    BlockText text = CentredFieldText(field, a, b, v, 0);
    text.Fit = BlockTextFit::ApprovalName;
    return text;
}
constexpr BlockText MainTitleText(TitleFieldPointer field, double sectionLeft, double sectionRight,
                                  double v) {
    BlockText text;
    text.Source = BlockTextSource::Field;
    text.Field = field;
    text.A = CentredStart(sectionLeft, sectionRight, BlockMainTitleRun, BlockMainTitleHeight);
    text.V = v;
    text.Height = BlockMainTitleHeight;
    return text;
}

struct TitleBlockPlan {
    std::string_view Layer;
    std::string_view Comment;
    std::span<const BlockRule> Rules;
    std::span<const BlockText> Texts;
};

// Writes a block in the order every type follows: comment, border
// extension, outer and inner frame, rules, scale bar, texts, file name.
void WriteTitleBlock(DrawingSink& sink, const TitleBlockPlan& plan, double borderWidthUnits,
                     double unitsPerInch, const MapLayout& layout, const TitleBlockTexts& texts);

}  // namespace quadrel
