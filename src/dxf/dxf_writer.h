// The DXF text emitter: the only unit that knows the syntax of the drawing
// interchange format. The drawing components write through it as a sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/atomic_file.h"
#include "drawing/drawing_sink.h"

namespace quadrel {

// Decimals of the writer's fixed values.
inline constexpr int HeaderDecimals = 3;
inline constexpr int TextHeightDecimals = 3;
inline constexpr int RotationDecimals = 2;

// The text is written out in chunks of this size as it is built, so that
// memory stays flat whatever the drawing's size.
inline constexpr std::size_t DxfChunkBytes = 256 * 1024;

// The drawing goes to a temporary file beside its path as it is built and
// is renamed into place only when complete: nothing half-written ever takes
// the place of a file.
class DxfWriter final : public DrawingSink {
public:
    // Starts a drawing that CloseDrawing will put at `path`. A drawing left
    // before CloseDrawing (refused, failed, or the writer destroyed) leaves
    // no file and an existing file intact. Once the first chunk is written,
    // every operation may throw FileError.
    void OpenDrawing(const std::filesystem::path& path);
    // Starts a drawing kept whole in memory, for Text().
    void OpenDrawing();
    void WriteHeader(double xmin, double ymin, double xmax, double ymax);
    void WriteTables();
    void WriteText(const Pen& pen, Point at, std::string_view text, double height,
                   double rotation) override;
    void WriteLine(const Pen& pen, Point from, Point to) override;
    void BeginPolyline(const Pen& pen) override;
    void WriteVertex(Point at) override;
    void EndPolyline() override;
    void WriteComment(std::string_view text) override;
    void EndDrawing();
    // Writes the rest of the drawing and renames it into place; nothing for
    // a drawing kept in memory. Throws FileError, leaving an existing file
    // whole.
    void CloseDrawing();

    // The text of a drawing kept in memory (std::logic_error for one that
    // goes to a file).
    std::string_view Text() const;

private:
    // Room for `bytes` more bytes at the end of the text.
    char* Room(std::size_t bytes) {
        if (capacity_ - size_ < bytes) MakeRoom(bytes);
        return data_.get() + size_;
    }
    // Writes out the chunk built so far, if the drawing goes to a file, and
    // grows the buffer if that is not room enough.
    void MakeRoom(std::size_t bytes);
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
    // The groups 10, 20 and 30 (z = 0) after the value before them.
    void FirstPoint(Point at, int decimals);
    // Opens the one ENTITIES section on the first entity or comment after
    // the tables.
    void EnsureEntitiesSection();
    struct FreeMemory {
        void operator()(char* data) const;
    };

    std::optional<AtomicFileWriter> file_;
    bool inMemory_ = true;
    // The chunk being built, or the whole text of a drawing in memory. Grown
    // with realloc, which moves large blocks by remapping their pages rather
    // than copying them.
    std::unique_ptr<char, FreeMemory> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    bool tablesWritten_ = false;
    bool entitiesOpen_ = false;
    // The pen of the polyline begun last, for its vertices and its end.
    std::string polylineLayer_;
    int polylineDecimals_ = 0;
};

// The DXF form of a text value: Windows-1252 bytes, and "\U+XXXX" for every
// character that code page lacks and for control characters (which would
// break the line structure).
std::string DxfText(std::string_view utf8);

}  // namespace quadrel
