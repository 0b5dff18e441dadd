// The conflicts of the sheet check as a person reads them and as scripts
// read them.
#include <array>
#include <cstdio>
#include <string_view>

#include "drawing/sheet_check.h"

namespace quadrel {
namespace {

std::string_view KindName(SheetItemKind kind) {
    switch (kind) {
        case SheetItemKind::Text:
            return "text";
        case SheetItemKind::NorthArrow:
            return "north arrow";
        case SheetItemKind::TitleBlockRule:
            return "title block rule";
        case SheetItemKind::GridBorder:
            return "grid border";
        case SheetItemKind::Sheet:
            return "sheet";
    }
    return "";
}

std::string_view ConflictName(ConflictKind kind) {
    switch (kind) {
        case ConflictKind::Over:
            return "over";
        case ConflictKind::Outside:
            return "outside";
        case ConflictKind::TooSmall:
            return "too small";
    }
    return "";
}

// Positions to a hundredth of an inch; overlaps, which may be slight, to a
// thousandth. With a point whatever the locale.
constexpr int PositionDecimals = 2;
constexpr int OverlapDecimals = 3;

std::string Number(double value, int decimals = PositionDecimals) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value == 0 ? 0.0 : value);
    return text.data();
}

std::string ItemName(const SheetItem& item) {
    if (item.Kind != SheetItemKind::Text) return std::string(KindName(item.Kind));
    return item.Layer + " \"" + item.Text + "\"";
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            quoted += escaped.data();
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string JsonItem(const SheetItem& item) {
    std::string json = "{\"kind\": " + JsonString(KindName(item.Kind));
    if (item.Kind == SheetItemKind::Text) {
        json += ", \"layer\": " + JsonString(item.Layer) + ", \"text\": " + JsonString(item.Text);
    }
    return json + "}";
}

std::string JsonConflict(const SheetConflict& conflict) {
    const bool small = conflict.Kind == ConflictKind::TooSmall;
    std::string json = "{\"conflict\": " + JsonString(ConflictName(conflict.Kind)) +
                       ", \"first\": " + JsonItem(conflict.First) +
                       ", \"second\": " + (small ? "null" : JsonItem(conflict.Second)) +
                       ", \"x\": " + Number(conflict.X) + ", \"y\": " + Number(conflict.Y);
    if (small) return json + ", \"height_mm\": " + Number(conflict.TextMillimetres) + "}";
    return json + ", \"overlap\": {\"width\": " + Number(conflict.Width, OverlapDecimals) +
           ", \"height\": " + Number(conflict.Height, OverlapDecimals) + "}}";
}

}  // namespace

std::string ConflictLine(const SheetConflict& conflict) {
    const std::string at = " at " + Number(conflict.X) + ", " + Number(conflict.Y) + " in";
    const std::string extent = Number(conflict.Width, OverlapDecimals) + " x " +
                               Number(conflict.Height, OverlapDecimals) + " in";
    switch (conflict.Kind) {
        case ConflictKind::TooSmall:
            return ItemName(conflict.First) + " under 1 mm tall" + at + " (" +
                   Number(conflict.TextMillimetres) + " mm)";
        case ConflictKind::Outside:
            return ItemName(conflict.First) + " outside the sheet" + at + " (" + extent +
                   " outside)";
        case ConflictKind::Over:
            break;
    }
    return ItemName(conflict.First) + " over " + ItemName(conflict.Second) + at + " (overlap " +
           extent + ")";
}

std::string ConflictsJson(const std::vector<SheetConflict>& conflicts) {
    std::string json = "[";
    for (std::size_t i = 0; i < conflicts.size(); ++i) {
        json += (i == 0 ? "\n  " : ",\n  ") + JsonConflict(conflicts[i]);
    }
    return json + (conflicts.empty() ? "]\n" : "\n]\n");
}

}  // namespace quadrel
