#include "drawing/title_block.h"

#include "base/text.h"
#include "drawing/labels.h"
#include "drawing/scale_bar.h"

namespace quadrel {
namespace {

constexpr double InnerFrameInset = 0.015;
constexpr double FileNameHeight = 0.1;
// The file name's baseline stands this many of its heights below the block.
constexpr double FileNameDrop = 1.5;
constexpr int BoldCopies = 3;
constexpr double BoldShift = 0.01;
// Names up to this many characters keep the full height; longer ones shrink
// so that the run spans exactly the 1 inch approval column.
constexpr std::size_t ApprovalNameFullLength = 14;
constexpr double ApprovalNameHeight = 0.07;

constexpr std::string_view ImperialScalePrefix = "1\" = ";

// Lengthens the grid border's two sides down past the block, so that with
// the border itself it closes one outline round grid and block.
void WriteBorderExtension(DrawingSink& sink, std::string_view layer, const MapLayout& layout,
                          const TitleBlockFrame& frame, double borderWidthUnits) {
    const double left = layout.BorderXMin;
    const double right = layout.BorderXMin + borderWidthUnits;
    const double top = layout.BorderYMin;
    const double bottom = layout.BorderYMin - frame.Fy * layout.TitleBlockHeightIn;
    sink.BeginPolyline({layer, TitleBlockGeometryDecimals});
    for (const Point& at :
         {Point{left, top}, Point{left, bottom}, Point{right, bottom}, Point{right, top}}) {
        sink.WriteVertex(at);
    }
    sink.EndPolyline();
}

void WriteFrames(DrawingSink& sink, std::string_view layer, const MapLayout& layout,
                 const TitleBlockFrame& frame) {
    const double width = layout.TitleBlockWidthIn;
    const double height = layout.TitleBlockHeightIn;
    sink.WriteRectangle(layer, {frame.X(0), frame.Y(0)}, {frame.X(width), frame.Y(height)});
    sink.WriteRectangle(layer, {frame.X(InnerFrameInset), frame.Y(InnerFrameInset)},
                        {frame.X(width - InnerFrameInset), frame.Y(height - InnerFrameInset)});
}

void WriteRules(DrawingSink& sink, std::string_view layer, std::span<const BlockRule> rules,
                const TitleBlockFrame& frame) {
    const Pen pen{layer, TitleBlockGeometryDecimals};
    for (const BlockRule& rule : rules) {
        sink.WriteLine(pen, {frame.X(rule.U1), frame.Y(rule.V1)},
                       {frame.X(rule.U2), frame.Y(rule.V2)});
    }
}

std::string BlockTextValue(const BlockText& item, const MapLayout& layout,
                           const TitleBlockTexts& texts) {
    switch (item.Source) {
        case BlockTextSource::Caption:
            return std::string(item.Caption);
        case BlockTextSource::Field:
            return texts.Title.*item.Field;
        case BlockTextSource::Date:
            return std::string(texts.Date);
        case BlockTextSource::Preparer:
            return PreparerLine(texts.Title.PreparedBy);
        case BlockTextSource::Scale:
            return ScaleText(layout, texts.DecimalSeparator);
    }
    return {};
}

struct Placement {
    double U = 0;
    double Height = 0;
};

Placement PlaceAlongU(const BlockText& item, std::size_t characters) {
    const auto n = static_cast<double>(characters);
    switch (item.Fit) {
        case BlockTextFit::StartsAtA:
            return {item.A, item.Height};
        case BlockTextFit::CentredAToB:
            return {CentredStart(item.A, item.B, n, item.Height), item.Height};
        case BlockTextFit::ApprovalName: {
            const double width =
                characters <= ApprovalNameFullLength ? ApprovalNameHeight : 1.0 / n;
            return {CentredStart(item.A, item.B, n, width), width};
        }
    }
    return {};
}

void WriteBlockText(DrawingSink& sink, std::string_view layer, const BlockText& item,
                    const std::string& text, const TitleBlockFrame& frame) {
    const Placement place = PlaceAlongU(item, CharacterCount(text));
    const int copies = item.Bold ? BoldCopies : 1;
    for (int copy = 0; copy < copies; ++copy) {
        sink.WriteText({layer, TitleBlockTextDecimals},
                       {frame.X(place.U + BoldShift * copy), frame.Y(item.V)}, text,
                       frame.Height(place.Height), item.Rotation);
    }
}

void WriteTexts(DrawingSink& sink, std::string_view layer, std::span<const BlockText> items,
                const MapLayout& layout, const TitleBlockTexts& texts,
                const TitleBlockFrame& frame) {
    for (const BlockText& item : items) {
        const std::string text = BlockTextValue(item, layout, texts);
        if (!text.empty()) WriteBlockText(sink, layer, item, text, frame);
    }
}

// Below the extended border, where it stays clear of the block's rules.
void WriteFileName(DrawingSink& sink, std::string_view layer, const MapLayout& layout,
                   const TitleBlockFrame& frame, std::string_view fileName) {
    if (fileName.empty()) return;
    const double height = frame.Height(FileNameHeight);
    const double y =
        layout.BorderYMin - frame.Fy * layout.TitleBlockHeightIn - FileNameDrop * height;
    sink.WriteText({layer, TitleBlockTextDecimals}, {layout.BorderXMin, y}, fileName, height, 0);
}

}  // namespace

std::string PreparerLine(std::string_view preparedBy) {
    const std::string name = TrimRight(preparedBy);
    return "Prepared by " + (name.empty() ? std::string("COMPUTER") : name);
}

std::string ScaleText(const MapLayout& layout, char decimalSeparator) {
    const std::string scale = GeneralNumberText(layout.XScale, decimalSeparator);
    if (layout.Metric) return "1:" + scale;
    return std::string(ImperialScalePrefix) + scale + "'";
}

void WriteTitleBlock(DrawingSink& sink, const TitleBlockPlan& plan, double borderWidthUnits,
                     double unitsPerInch, const MapLayout& layout, const TitleBlockTexts& texts) {
    const TitleBlockFrame frame(layout, unitsPerInch);
    sink.WriteComment(plan.Comment);
    WriteBorderExtension(sink, plan.Layer, layout, frame, borderWidthUnits);
    WriteFrames(sink, plan.Layer, layout, frame);
    WriteRules(sink, plan.Layer, plan.Rules, frame);
    WriteScaleBar(sink, frame, layout.Metric);
    WriteTexts(sink, plan.Layer, plan.Texts, layout, texts, frame);
    WriteFileName(sink, plan.Layer, layout, frame, texts.FileName);
}

}  // namespace quadrel
