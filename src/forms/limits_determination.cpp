#include "forms/limits_determination.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>

#include "base/numbers.h"
#include "base/text.h"
#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"

namespace quadrel {
namespace {

constexpr int LimitDecimals = 1;  // limits and scales written back
constexpr int CutDecimals = 3;    // cutting borders written back

// What the determination reads of one axis and where it puts it.
struct AxisDetermination {
    const AxisFields& Fields;
    const AxisWorking& Working;
    double LimitsInput::*Min;
    double LimitsInput::*Max;
    double LimitsInput::*Scale;
    MessageCode MinMissing, MaxMissing, ScaleMissing;
};

constexpr AxisDetermination XAxis{XAxisFields,
                                  XWorking,
                                  &LimitsInput::XMin,
                                  &LimitsInput::XMax,
                                  &LimitsInput::XScale,
                                  Messages::MinimumXMissing,
                                  Messages::MaximumXMissing,
                                  Messages::XScaleMissing};
constexpr AxisDetermination YAxis{YAxisFields,
                                  YWorking,
                                  &LimitsInput::YMin,
                                  &LimitsInput::YMax,
                                  &LimitsInput::YScale,
                                  Messages::MinimumYMissing,
                                  Messages::MaximumYMissing,
                                  Messages::YScaleMissing};

// Where the four cutting borders go, in the order of CutFields.
constexpr std::array<double LimitsInput::*, 4> CutInputs{
    &LimitsInput::CutLeft, &LimitsInput::CutRight, &LimitsInput::CutTop, &LimitsInput::CutBottom};

// The field's name in the data file, the context of its message.
std::string_view FieldName(GridFieldPointer field) {
    for (const GridFieldInfo& info : GridFields) {
        if (info.Field == field) return info.Name;
    }
    return {};
}

// A scale of 0 would make every sheet size a division by zero; it tells the
// user no more than an empty scale does, so it is reported the same way.
bool IsMissing(const std::string& text, bool isScale, char separator) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed == FillInMarkerTrimmed) return true;
    if (!isScale) return false;
    const auto value = TryToDouble(trimmed, separator);
    return value && *value == 0.0;
}

// The first required field left empty, Y before X; nothing else is read.
bool FindMissing(TMGridInfo& form, LimitsEdits& edits, char separator, LimitsOutcome& outcome) {
    for (const AxisDetermination* axis : {&YAxis, &XAxis}) {
        const std::tuple<GridFieldPointer, MessageCode, bool> required[] = {
            {axis->Fields.Min, axis->MinMissing, false},
            {axis->Fields.Max, axis->MaxMissing, false},
            {axis->Fields.Scale, axis->ScaleMissing, true}};
        for (const auto& [field, code, isScale] : required) {
            Edit& edit = form.FieldEdit(field);
            if (!IsMissing(edits.Text(edit), isScale, separator)) continue;
            outcome.MissingEdit = &edit;
            outcome.MissingCode = code;
            outcome.MissingContext = FieldName(field);
            return true;
        }
    }
    return false;
}

double ReadNumber(TMGridInfo& form, LimitsEdits& edits, GridFieldPointer field, char separator) {
    return ToDouble(edits.Text(form.FieldEdit(field)), separator);
}

// One axis once every limit and scale has been read: limits the wrong way
// round are swapped and a negative scale made positive (the edits show one
// decimal; the determination goes on with the values as read), then a grid
// spacing never typed is filled as the edit fills one that is cleared: ten
// grid lines across the limits.
void CorrectAxis(TMGridInfo& form, LimitsEdits& edits, const AxisDetermination& axis,
                 LimitsInput& input, MapLayout& layout) {
    double& min = input.*axis.Min;
    double& max = input.*axis.Max;
    double& scale = input.*axis.Scale;
    const AxisFields& fields = axis.Fields;
    if (min > max) {
        std::swap(min, max);
        edits.Correct(form.FieldEdit(fields.Min), fields.Min, FormatFixed(min, LimitDecimals));
        edits.Correct(form.FieldEdit(fields.Max), fields.Max, FormatFixed(max, LimitDecimals));
    }
    if (scale < 0) {
        scale = -scale;
        edits.Correct(form.FieldEdit(fields.Scale), fields.Scale,
                      FormatFixed(scale, LimitDecimals));
    }
    // After the corrections: their handlers keep working values of their own.
    layout.*axis.Working.Min = min;
    layout.*axis.Working.Max = max;
    layout.*axis.Working.Scale = scale;
    Edit& grid = form.FieldEdit(fields.Grid);
    if (Trim(edits.Text(grid)).empty()) {
        edits.Correct(grid, fields.Grid, FormatFixed((max - min) * 0.1, LimitDecimals));
    }
}

// The four cutting borders: an empty one is 0, a negative one made positive.
void ReadCuts(TMGridInfo& form, LimitsEdits& edits, LimitsInput& input, char separator) {
    for (std::size_t k = 0; k < CutFields.size(); ++k) {
        Edit& edit = form.FieldEdit(CutFields[k]);
        double& value = input.*CutInputs[k];
        const std::string text = edits.Text(edit);
        if (text.empty()) {
            edits.Correct(edit, CutFields[k], FormatFixed(0.0, CutDecimals));
            value = 0.0;
            continue;
        }
        value = ToDouble(text, separator);
        if (value < 0) {
            value = -value;
            edits.Correct(edit, CutFields[k], FormatFixed(value, CutDecimals));
        }
    }
}

}  // namespace

LimitsOutcome DetermineLayout(TMGridInfo& form, LimitsEdits& edits, MapLayout& layout,
                              char separator) {
    LimitsOutcome outcome;
    std::string unit(FirstCharacters(UpperCase(edits.Text(form.EditImpMet)), 1));
    if (unit != "I" && unit != "M") unit = "M";
    edits.Correct(form.EditImpMet, &GridSet::ImpMet, unit);
    layout.Metric = edits.Text(form.EditImpMet) == "M";
    if (FindMissing(form, edits, separator, outcome)) return outcome;

    LimitsInput input;
    input.Metric = layout.Metric;
    // In the order they have always been read, so that the first text that
    // is no number is the one reported.
    for (const AxisDetermination* axis : {&XAxis, &YAxis}) {
        input.*axis->Max = ReadNumber(form, edits, axis->Fields.Max, separator);
        input.*axis->Min = ReadNumber(form, edits, axis->Fields.Min, separator);
    }
    for (const AxisDetermination* axis : {&XAxis, &YAxis}) {
        input.*axis->Scale = ReadNumber(form, edits, axis->Fields.Scale, separator);
    }
    CorrectAxis(form, edits, XAxis, input, layout);
    CorrectAxis(form, edits, YAxis, input, layout);

    input.BorderSize = ToDouble(edits.Text(form.EditBorderSize), separator);
    layout.BorderSize = input.BorderSize;
    input.PlotTitleBlock = form.RGTitleBlock.ItemIndex() == TitleBlockPlotItem;
    const std::string titleBlockType = edits.Text(form.EditTitleBlockType);
    input.TitleBlockType = titleBlockType;
    ReadCuts(form, edits, input, separator);

    outcome.Sheet = ComputeMapLayout(layout, input);
    return outcome;
}

}  // namespace quadrel
