#include "dxf/dxf_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/atomic_file.h"
#include "app/text_encoding.h"

namespace quadrel {
namespace {

constexpr std::string_view LineEnd = "\r\n";

void AppendEscape(std::string& out, std::uint32_t codePoint) {
    std::array<char, 16> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "\\U+%04X", codePoint);
    out.append(buffer.data(), static_cast<std::size_t>(length));
}

bool IsControl(std::uint32_t codePoint) {
    return codePoint < 0x20U || (codePoint >= 0x7FU && codePoint <= 0x9FU);
}

bool IsPrintableAscii(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte >= 0x7FU) return false;
    }
    return true;
}

// A drawing holds hundreds of thousands of numbers, almost all with a few
// decimals and well inside 2^52 once scaled; std::to_chars takes its general
// route for each of them and was most of the time spent on a large drawing.
// The short route below gives the same digits for those values.
constexpr int ShortRouteMaxDecimals = 15;
constexpr std::array<double, ShortRouteMaxDecimals + 1> ExactPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr auto IntegerPowersOfTen = [] {
    std::array<std::uint64_t, ShortRouteMaxDecimals + 1> powers{};
    std::uint64_t power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();
constexpr double ShortRouteLimit = 4503599627370496.0;  // 2^52: every integer below is exact
// The sign, 16 digits, a leading "0", the point.
constexpr std::size_t ShortRouteMaxChars = 20;

// "%#.*f" of `value` into `out` (room for ShortRouteMaxChars), rounding the
// exact binary value half to even as printf does; nullptr when the value is
// not finite or too large for the short route, with `out` unused.
char* FormatFixedShort(char* out, double value, int decimals) {
    if (decimals < 0 || decimals > ShortRouteMaxDecimals) return nullptr;
    const double magnitude = std::fabs(value);
    const double scale = ExactPowersOfTen[static_cast<std::size_t>(decimals)];
    const double scaled = magnitude * scale;
    if (!(scaled < ShortRouteLimit)) return nullptr;  // also NaN and infinity
    // magnitude * scale is exactly scaled + error; fma gives the error
    // without rounding, so the comparison with one half below is exact and a
    // true tie is told from a product that merely rounded to one.
    const double error = std::fma(magnitude, scale, -scaled);
    const double whole = std::floor(scaled);
    const double aboveHalf = (scaled - whole) - 0.5;
    auto units = static_cast<std::uint64_t>(whole);
    if (aboveHalf > -error || (aboveHalf == -error && (units & 1U) != 0)) ++units;

    // Written from the right, straight into `out`: copying the digits over
    // cost as much as forming them.
    std::size_t digitCount = 1;
    while (digitCount < IntegerPowersOfTen.size() && units >= IntegerPowersOfTen[digitCount]) {
        ++digitCount;
    }
    const int integerDigits = std::max(1, static_cast<int>(digitCount) - decimals);
    if (std::signbit(value)) *out++ = '-';
    char* const end = out + integerDigits + 1 + decimals;
    char* next = end;
    for (int i = 0; i < decimals; ++i) {
        *--next = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    *--next = '.';
    while (next > out) {
        *--next = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    return end;
}

// One group, code and value each on its line, in a single append.
void AppendGroup(std::string& text, std::string_view code, std::string_view value) {
    constexpr std::size_t Room = 64;
    if (code.size() + value.size() + 4 > Room) {
        text += code;
        text += LineEnd;
        text += value;
        text += LineEnd;
        return;
    }
    std::array<char, Room> line;
    char* end = line.data();
    std::memcpy(end, code.data(), code.size());
    end += code.size();
    *end++ = '\r';
    *end++ = '\n';
    std::memcpy(end, value.data(), value.size());
    end += value.size();
    *end++ = '\r';
    *end++ = '\n';
    text.append(line.data(), static_cast<std::size_t>(end - line.data()));
}

}  // namespace

std::string DxfText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto ascii = static_cast<unsigned char>(utf8[i]);
        if (ascii >= 0x20U && ascii < 0x7FU) {
            out += utf8[i++];
            continue;
        }
        const std::uint32_t codePoint = NextCodePoint(utf8, i);
        const auto byte = Windows1252Byte(codePoint);
        if (byte && !IsControl(codePoint)) {
            out += static_cast<char>(*byte);
        } else {
            AppendEscape(out, codePoint);
        }
    }
    return out;
}

void AppendDxfNumber(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        throw DrawingError("The drawing holds a value that is not a finite number; check the "
                           "scales, limits and borders of the grid set.");
    }
    if (decimals < 0) decimals = 0;
    std::array<char, ShortRouteMaxChars> shortText;
    if (const char* end = FormatFixedShort(shortText.data(), value, decimals)) {
        out.append(shortText.data(), static_cast<std::size_t>(end - shortText.data()));
        return;
    }
    // Up to 309 integer digits, the sign, the point and the decimals.
    constexpr int FastDecimals = 160;
    std::array<char, 330 + FastDecimals> buffer;
    std::string large;
    char* first = buffer.data();
    char* last = buffer.data() + buffer.size();
    if (decimals > FastDecimals) {
        large.resize(330 + static_cast<std::size_t>(decimals));
        first = large.data();
        last = large.data() + large.size();
    }
    const auto result = std::to_chars(first, last, value, std::chars_format::fixed, decimals);
    out.append(first, result.ptr);
    if (decimals == 0) out += '.';
}

void DxfWriter::OpenDrawing(const std::filesystem::path& path) {
    path_ = path;
    text_.clear();  // keeps the reserved room
    entityCount_ = 0;
    tablesWritten_ = false;
    entitiesOpen_ = false;
}

void DxfWriter::Group(std::string_view code, std::string_view value) {
    if (!Writing()) return;
    AppendGroup(text_, code, value);
}

void DxfWriter::GroupText(std::string_view code, std::string_view value) {
    if (!Writing()) return;
    // Layer names and labels are plain ASCII and stay as they are.
    if (IsPrintableAscii(value)) {
        AppendGroup(text_, code, value);
    } else {
        AppendGroup(text_, code, DxfText(value));
    }
}

void DxfWriter::GroupNumber(std::string_view code, double value, int decimals) {
    if (!Writing()) return;
    std::array<char, 8 + ShortRouteMaxChars> line;
    if (code.size() <= 4) {
        char* end = line.data();
        std::memcpy(end, code.data(), code.size());
        end += code.size();
        *end++ = '\r';
        *end++ = '\n';
        if (char* number = FormatFixedShort(end, value, decimals)) {
            *number++ = '\r';
            *number++ = '\n';
            text_.append(line.data(), static_cast<std::size_t>(number - line.data()));
            return;
        }
    }
    text_ += code;
    text_ += LineEnd;
    AppendDxfNumber(text_, value, decimals);
    text_ += LineEnd;
}

void DxfWriter::EnsureEntitiesSection() {
    if (entitiesOpen_ || !tablesWritten_) return;
    Group("0", "SECTION");
    Group("2", "ENTITIES");
    entitiesOpen_ = true;
}

void DxfWriter::CountEntity(std::string_view layer) {
    if (++entityCount_ <= MaxDrawingEntities) return;
    throw DrawingError("The drawing would hold more than 1,000,000 entities (the limit was reached "
                       "on the layer \"" +
                       std::string(layer) +
                       "\"); choose larger grid or tick spacings or smaller limits.");
}

void DxfWriter::WriteHeader(double xmin, double ymin, double xmax, double ymax) {
    Group("0", "SECTION");
    Group("2", "HEADER");
    Group("9", "$ACADVER");
    Group("1", "AC1009");
    Group("9", "$DWGCODEPAGE");
    Group("3", "ANSI_1252");
    for (const std::string_view name : {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"}) {
        const bool minimum = name.ends_with("MIN");
        Group("9", name);
        GroupNumber("10", minimum ? xmin : xmax, HeaderDecimals);
        GroupNumber("20", minimum ? ymin : ymax, HeaderDecimals);
    }
    Group("0", "ENDSEC");
}

void DxfWriter::WriteTables() {
    Group("0", "SECTION");
    Group("2", "TABLES");
    Group("0", "TABLE");
    Group("2", "STYLE");
    Group("70", "1");
    Group("0", "ENDTAB");
    Group("0", "ENDSEC");
    tablesWritten_ = true;
}

void DxfWriter::WriteText(std::string_view layer, std::string_view text, double x, double y,
                          double z, int decimals, double height, double rotation) {
    CountEntity(layer);
    EnsureEntitiesSection();
    Group("0", "TEXT");
    GroupText("8", layer);
    GroupText("1", text);
    GroupNumber("10", x, decimals);
    GroupNumber("20", y, decimals);
    GroupNumber("30", z, decimals);
    GroupNumber("40", height, TextHeightDecimals);
    GroupNumber("50", rotation, RotationDecimals);
}

void DxfWriter::WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                          std::string_view layer, int decimals) {
    CountEntity(layer);
    EnsureEntitiesSection();
    Group("0", "LINE");
    GroupText("8", layer);
    GroupNumber("10", x1, decimals);
    GroupNumber("20", y1, decimals);
    GroupNumber("30", z1, decimals);
    GroupNumber("11", x2, decimals);
    GroupNumber("21", y2, decimals);
    GroupNumber("31", z2, decimals);
}

void DxfWriter::BeginPolyline(std::string_view layer) {
    CountEntity(layer);
    EnsureEntitiesSection();
    Group("0", "POLYLINE");
    Group("70", "8");
    GroupText("8", layer);
    Group("66", "1");
}

void DxfWriter::WriteVertex(double x, double y, double z, std::string_view layer, int decimals) {
    CountEntity(layer);
    Group("0", "VERTEX");
    Group("70", "32");
    GroupText("8", layer);
    GroupNumber("10", x, decimals);
    GroupNumber("20", y, decimals);
    GroupNumber("30", z, decimals);
}

void DxfWriter::EndPolyline(std::string_view layer) {
    Group("0", "SEQEND");
    GroupText("8", layer);
}

void DxfWriter::WriteRectangle(double x1, double y1, double x2, double y2, std::string_view layer) {
    BeginPolyline(layer);
    WriteVertex(x1, y1, 0, layer, RectangleDecimals);
    WriteVertex(x1, y2, 0, layer, RectangleDecimals);
    WriteVertex(x2, y2, 0, layer, RectangleDecimals);
    WriteVertex(x2, y1, 0, layer, RectangleDecimals);
    WriteVertex(x1, y1, 0, layer, RectangleDecimals);
    EndPolyline(layer);
}

void DxfWriter::WriteComment(std::string_view text) {
    EnsureEntitiesSection();
    GroupText("999", text);
}

void DxfWriter::EndDrawing() {
    if (entitiesOpen_) Group("0", "ENDSEC");
    entitiesOpen_ = false;
    Group("0", "EOF");
}

void DxfWriter::CloseDrawing() {
    if (!Writing()) return;
    WriteFileAtomically(path_, text_);
}

}  // namespace quadrel
