#include "dxf/dxf_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "base/text_encoding.h"
#include "drawing/dxf_number.h"

namespace quadrel {
namespace {

// A drawing in memory doubles it as it grows; one for a file stays at this
// size unless a single text is longer.
constexpr std::size_t InitialCapacity = DxfChunkBytes;

void AppendEscape(std::string& out, std::uint32_t codePoint) {
    std::array<char, 16> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "\\U+%04X", codePoint);
    out.append(buffer.data(), static_cast<std::size_t>(length));
}

bool IsControl(std::uint32_t codePoint) {
    return codePoint < 0x20U || (codePoint >= 0x7FU && codePoint <= 0x9FU);
}

bool IsPrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20U && byte < 0x7FU;
    });
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

void DxfWriter::OpenDrawing(const std::filesystem::path& path) {
    OpenDrawing();
    inMemory_ = false;
    file_.emplace(path);
}

void DxfWriter::OpenDrawing() {
    file_.reset();
    inMemory_ = true;
    size_ = 0;
    ResetEntityCount();
    tablesWritten_ = false;
    entitiesOpen_ = false;
}

void DxfWriter::FreeMemory::operator()(char* data) const {
    std::free(data);
}

std::string_view DxfWriter::Text() const {
    if (!inMemory_) throw std::logic_error("the drawing goes to a file, not into memory");
    return {data_.get(), size_};
}

void DxfWriter::MakeRoom(std::size_t bytes) {
    if (file_ && size_ > 0) {
        file_->Write({data_.get(), size_});
        size_ = 0;
    }
    if (capacity_ - size_ < bytes) Grow(bytes);
}

void DxfWriter::Grow(std::size_t bytes) {
    const std::size_t capacity = std::max({InitialCapacity, 2 * capacity_, size_ + bytes});
    auto* grown = static_cast<char*>(std::realloc(data_.get(), capacity));
    if (grown == nullptr) throw std::bad_alloc();
    data_.release();
    data_.reset(grown);
    capacity_ = capacity;
}

void DxfWriter::Raw(std::string_view piece) {
    if (piece.empty()) return;
    std::memcpy(Room(piece.size()), piece.data(), piece.size());
    size_ += piece.size();
}

void DxfWriter::Value(std::string_view text) {
    // Layer names and labels are plain ASCII and go in as they are.
    if (IsPrintableAscii(text)) {
        Raw(text);
    } else {
        Raw(DxfText(text));
    }
}

void DxfWriter::Number(double value, int decimals) {
    if (char* end = FormatDxfNumberShort(Room(DxfNumberShortChars), value, decimals)) {
        size_ = static_cast<std::size_t>(end - data_.get());
        return;
    }
    std::string text;
    AppendDxfNumber(text, value, decimals);
    Raw(text);
}

void DxfWriter::FirstPoint(Point at, int decimals) {
    Raw("\r\n10\r\n");
    Number(at.X, decimals);
    Raw("\r\n20\r\n");
    Number(at.Y, decimals);
    Raw("\r\n30\r\n");
    Number(0, decimals);
}

void DxfWriter::EnsureEntitiesSection() {
    if (entitiesOpen_ || !tablesWritten_) return;
    Raw("0\r\nSECTION\r\n2\r\nENTITIES\r\n");
    entitiesOpen_ = true;
}

void DxfWriter::WriteHeader(double xmin, double ymin, double xmax, double ymax) {
    Raw("0\r\nSECTION\r\n2\r\nHEADER\r\n"
        "9\r\n$ACADVER\r\n1\r\nAC1009\r\n"
        "9\r\n$DWGCODEPAGE\r\n3\r\nANSI_1252\r\n");
    for (const std::string_view name : {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"}) {
        const bool minimum = name.ends_with("MIN");
        Raw("9\r\n");
        Raw(name);
        Raw("\r\n10\r\n");
        Number(minimum ? xmin : xmax, HeaderDecimals);
        Raw("\r\n20\r\n");
        Number(minimum ? ymin : ymax, HeaderDecimals);
        Raw("\r\n");
    }
    Raw("0\r\nENDSEC\r\n");
}

void DxfWriter::WriteTables() {
    Raw("0\r\nSECTION\r\n2\r\nTABLES\r\n"
        "0\r\nTABLE\r\n2\r\nSTYLE\r\n70\r\n1\r\n0\r\nENDTAB\r\n"
        "0\r\nENDSEC\r\n");
    tablesWritten_ = true;
}

void DxfWriter::WriteText(const Pen& pen, Point at, std::string_view text, double height,
                          double rotation) {
    CountEntity(pen.Layer);
    EnsureEntitiesSection();
    Raw("0\r\nTEXT\r\n8\r\n");
    Value(pen.Layer);
    Raw("\r\n1\r\n");
    Value(text);
    FirstPoint(at, pen.Decimals);
    Raw("\r\n40\r\n");
    Number(height, TextHeightDecimals);
    Raw("\r\n50\r\n");
    Number(rotation, RotationDecimals);
    Raw("\r\n");
}

void DxfWriter::WriteLine(const Pen& pen, Point from, Point to) {
    CountEntity(pen.Layer);
    EnsureEntitiesSection();
    Raw("0\r\nLINE\r\n8\r\n");
    Value(pen.Layer);
    FirstPoint(from, pen.Decimals);
    Raw("\r\n11\r\n");
    Number(to.X, pen.Decimals);
    Raw("\r\n21\r\n");
    Number(to.Y, pen.Decimals);
    Raw("\r\n31\r\n");
    Number(0, pen.Decimals);
    Raw("\r\n");
}

void DxfWriter::BeginPolyline(const Pen& pen) {
    CountEntity(pen.Layer);
    EnsureEntitiesSection();
    polylineLayer_ = pen.Layer;
    polylineDecimals_ = pen.Decimals;
    Raw("0\r\nPOLYLINE\r\n70\r\n8\r\n8\r\n");
    Value(pen.Layer);
    Raw("\r\n66\r\n1\r\n");
}

void DxfWriter::WriteVertex(Point at) {
    CountEntity(polylineLayer_);
    Raw("0\r\nVERTEX\r\n70\r\n32\r\n8\r\n");
    Value(polylineLayer_);
    FirstPoint(at, polylineDecimals_);
    Raw("\r\n");
}

void DxfWriter::EndPolyline() {
    Raw("0\r\nSEQEND\r\n8\r\n");
    Value(polylineLayer_);
    Raw("\r\n");
}

void DxfWriter::WriteComment(std::string_view text) {
    EnsureEntitiesSection();
    Raw("999\r\n");
    Value(text);
    Raw("\r\n");
}

void DxfWriter::EndDrawing() {
    if (entitiesOpen_) Raw("0\r\nENDSEC\r\n");
    entitiesOpen_ = false;
    Raw("0\r\nEOF\r\n");
}

void DxfWriter::CloseDrawing() {
    if (!file_) return;
    file_->Write({data_.get(), size_});
    size_ = 0;
    file_->Commit();
    file_.reset();
}

}  // namespace quadrel
