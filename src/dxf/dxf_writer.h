// The DXF text emitter: the only unit that knows the syntax of the drawing
// interchange format. The drawing components write through it as a sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "dxf/drawing_sink.h"

namespace quadrel {

// Decimals of the writer's fixed values.
inline constexpr int HeaderDecimals = 3;
inline constexpr int TextHeightDecimals = 3;
inline constexpr int RotationDecimals = 2;

// The drawing is built in memory and written in one go when it is
// complete: nothing half-written ever reaches the disk.
class DxfWriter final : public DrawingSink {
public:
    // Starts a drawing that CloseDrawing will write to `path`. Nothing is
    // written to disk before then.
    void OpenDrawing(const std::filesystem::path& path);
    void WriteHeader(double xmin, double ymin, double xmax, double ymax);
    void WriteTables();
    void WriteText(std::string_view layer, std::string_view text, double x, double y, double z,
                   int decimals, double height, double rotation) override;
    void WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                   std::string_view layer, int decimals) override;
    void BeginPolyline(std::string_view layer) override;
    void WriteVertex(double x, double y, double z, std::string_view layer, int decimals) override;
    void EndPolyline(std::string_view layer) override;
    void WriteComment(std::string_view text) override;
    void EndDrawing();
    // Writes the drawing to its path through a temporary file that is renamed
    // into place, so a failure leaves an existing file whole. Throws FileError.
    void CloseDrawing();

    // The text built so far.
    std::string_view Text() const { return {data_.get(), size_}; }

private:
    // Room for `bytes` more bytes at the end of the text.
    char* Room(std::size_t bytes) {
        if (capacity_ - size_ < bytes) Grow(bytes);
        return data_.get() + size_;
    }
    void Grow(std::size_t bytes);
    // Fixed pieces of the group sequences, such as "\r\n10\r\n".
    template <std::size_t N>
    void Raw(const char (&piece)[N]) {
        std::memcpy(Room(N - 1), piece, N - 1);
        size_ += N - 1;
    }
    void Raw(std::string_view piece);
    // A text value in the drawing's code page.
    void Value(std::string_view text);
    void Number(double value, int decimals);
    // The groups 10, 20 and 30 after the value before them.
    void FirstPoint(double x, double y, double z, int decimals);
    // Opens the one ENTITIES section on the first entity or comment after
    // the tables.
    void EnsureEntitiesSection();
    struct FreeMemory {
        void operator()(char* data) const;
    };

    std::filesystem::path path_;
    // Grown with realloc, which moves large blocks by remapping their pages
    // rather than copying them.
    std::unique_ptr<char, FreeMemory> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    bool tablesWritten_ = false;
    bool entitiesOpen_ = false;
};

// The DXF form of a text value: Windows-1252 bytes, and "\U+XXXX" for every
// character that code page lacks and for control characters (which would
// break the line structure).
std::string DxfText(std::string_view utf8);

}  // namespace quadrel
