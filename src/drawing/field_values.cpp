#include "drawing/field_values.h"

#include <string>

#include "base/numbers.h"

namespace quadrel {
namespace {

template <typename Convert>
auto ConvertField(const GridSet& set, GridFieldPointer field, Convert convert) {
    try {
        return convert(set.*field);
    } catch (const ConversionError& error) {
        std::string label = "?";
        for (const auto& info : GridFields) {
            if (info.Field == field) label = info.Label;
        }
        throw ConversionError(std::string(error.what()) + " (" + label + ")");
    }
}

}  // namespace

double FieldNumber(const GridSet& set, GridFieldPointer field, char decimalSeparator) {
    return ConvertField(set, field, [decimalSeparator](const std::string& text) {
        return ToDouble(text, decimalSeparator);
    });
}

int FieldInteger(const GridSet& set, GridFieldPointer field) {
    return ConvertField(set, field, [](const std::string& text) { return ToInt(text); });
}

}  // namespace quadrel
