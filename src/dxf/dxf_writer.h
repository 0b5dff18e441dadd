// The DXF text emitter: the only unit that knows the syntax of the drawing
// interchange format. Every drawing component writes through it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrel {

// A drawing that is refused before any file is written: too many entities,
// or a value that is not a finite number.
class DrawingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// More entities than any map sheet needs; a tiny spacing over a large range
// would otherwise fill the disk.
inline constexpr std::int64_t MaxDrawingEntities = 1'000'000;

// Decimals of the writer's fixed values.
inline constexpr int HeaderDecimals = 3;
inline constexpr int TextHeightDecimals = 3;
inline constexpr int RotationDecimals = 2;
inline constexpr int RectangleDecimals = 3;

class DxfWriter {
public:
    enum class Mode {
        Write,      // builds the file's text
        CountOnly,  // counts entities only, to refuse a drawing before writing it
    };

    explicit DxfWriter(Mode mode = Mode::Write) : mode_(mode) {}

    // Starts a drawing that CloseDrawing will write to `path`. Nothing is
    // written to disk before then.
    void OpenDrawing(const std::filesystem::path& path);
    void WriteHeader(double xmin, double ymin, double xmax, double ymax);
    void WriteTables();
    void WriteText(std::string_view layer, std::string_view text, double x, double y, double z,
                   int decimals, double height, double rotation);
    void WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                   std::string_view layer, int decimals);
    void BeginPolyline(std::string_view layer);
    void WriteVertex(double x, double y, double z, std::string_view layer, int decimals);
    void EndPolyline(std::string_view layer);
    // A closed outline: five vertices, the first repeated, in argument order.
    void WriteRectangle(double x1, double y1, double x2, double y2, std::string_view layer);
    void WriteComment(std::string_view text);
    void EndDrawing();
    // Writes the drawing to its path through a temporary file that is renamed
    // into place, so a failure leaves an existing file whole. Throws FileError.
    void CloseDrawing();

    // Room for the text of a drawing of about this many bytes.
    void Reserve(std::size_t bytes) { text_.reserve(bytes); }

    // The text built so far (empty in CountOnly mode).
    const std::string& Text() const { return text_; }
    std::int64_t EntityCount() const { return entityCount_; }

private:
    void Group(std::string_view code, std::string_view value);
    void GroupText(std::string_view code, std::string_view value);
    void GroupNumber(std::string_view code, double value, int decimals);
    // Opens the one ENTITIES section on the first entity or comment after
    // the tables.
    void EnsureEntitiesSection();
    // Counts an entity; refuses the drawing once it grows past the limit.
    void CountEntity(std::string_view layer);
    bool Writing() const { return mode_ == Mode::Write; }

    Mode mode_;
    std::filesystem::path path_;
    std::string text_;
    std::int64_t entityCount_ = 0;
    bool tablesWritten_ = false;
    bool entitiesOpen_ = false;
};

// The DXF form of a text value: Windows-1252 bytes, and "\U+XXXX" for every
// character that code page lacks and for control characters (which would
// break the line structure).
std::string DxfText(std::string_view utf8);

// "%#.*f": fixed point with exactly `decimals` digits, always a point, "."
// whatever the locale. Throws DrawingError for a value that is not finite.
void AppendDxfNumber(std::string& out, double value, int decimals);

}  // namespace quadrel
