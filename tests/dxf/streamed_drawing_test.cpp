// A drawing streamed to its file in chunks: written exactly as built, and on
// any failure midway no file left behind and an existing one kept whole.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <string>

#include "app/atomic_file.h"
#include "app/numbers.h"
#include "drawing_test_data.h"
#include "dxf/drawing.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A sheet of about 30,000 entities, several chunks of text.
DrawingInput DenseSheet() {
    DrawingInput input;
    input.Grid = testing::PlainGridSet();
    input.Grid.XGrid = "0.1";
    input.Layout = testing::LayoutFor(100, 100);
    input.FileName = "sheet.dxf";
    return input;
}

// Every entry of the folder with its bytes; "folder" for a folder, and the
// size of a file too long to show.
std::map<std::string, std::string> Contents(const TempDir& dir) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        std::string shown = "folder";
        if (!entry.is_directory()) {
            shown = TempDir::Read(entry.path());
            if (shown.size() > 64) shown = std::to_string(shown.size()) + " bytes";
        }
        contents[entry.path().filename().string()] = shown;
    }
    return contents;
}

// Lets a test make writes fail once the file grows past `bytes`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(StreamedDrawing, ManyChunksAreWrittenExactlyAsBuilt) {
    TempDir dir;
    const DrawingInput input = DenseSheet();
    CreateDrawingFile(dir / "sheet.dxf", input);
    DxfWriter inMemory;
    WriteDrawing(inMemory, input);
    ASSERT_GT(inMemory.Text().size(), 4 * DxfChunkBytes);
    EXPECT_EQ(TempDir::Read(dir / "sheet.dxf"), inMemory.Text());
    EXPECT_EQ(Contents(dir).size(), 1U);
}

enum class Failure { Drawing, Conversion, File };

TEST(StreamedDrawing, AFailureMidwayLeavesNoFileAndKeepsTheOldOne) {
    const struct {
        const char* name;
        const char* target;  // in a folder that holds an old "sheet.dxf"
        Failure expected;
        std::function<void(const fs::path&)> draw;
    } cases[] = {
        {"more entities than the limit, met after chunks were written", "sheet.dxf",
         Failure::Drawing,
         [](const fs::path& path) {
             DrawingInput input = DenseSheet();
             input.Grid.XGrid = "0.002";  // 500,000 lines, then their labels
             CreateDrawingFile(path, input);
         }},
        {"a tick length that is no number, read after the grid", "sheet.dxf", Failure::Conversion,
         [](const fs::path& path) {
             DrawingInput input = DenseSheet();
             input.Grid.HtPosition = "1";
             input.Grid.HtLengthLeft = "a quarter";
             CreateDrawingFile(path, input);
         }},
        {"a value that is not finite, after chunks were written", "sheet.dxf", Failure::Drawing,
         [](const fs::path& path) {
             DxfWriter writer;
             writer.OpenDrawing(path);
             writer.WriteHeader(0, 0, 1, 1);
             writer.WriteTables();
             for (int i = 0; i < 20'000; ++i) writer.WriteLine(i, 0, 0, i, 1, 0, "Grid", 3);
             writer.WriteText("Grid", "x", 0, 0, 0, 1, std::numeric_limits<double>::infinity(), 0);
         }},
        {"a write that fails midway", "sheet.dxf", Failure::File,
         [](const fs::path& path) {
             const FileSizeLimit limit(3 * DxfChunkBytes);
             CreateDrawingFile(path, DenseSheet());
         }},
        {"a folder that does not exist", "missing/sheet.dxf", Failure::File,
         [](const fs::path& path) { CreateDrawingFile(path, DenseSheet()); }},
        {"a folder in the file's place", "folder", Failure::File,
         [](const fs::path& path) { CreateDrawingFile(path, DenseSheet()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write("sheet.dxf", "old drawing");
        fs::create_directory(dir / "folder");
        const auto before = Contents(dir);
        try {
            c.draw(dir / c.target);
            ADD_FAILURE() << "no error";
        } catch (const DrawingError&) {
            EXPECT_EQ(c.expected, Failure::Drawing);
        } catch (const ConversionError&) {
            EXPECT_EQ(c.expected, Failure::Conversion);
        } catch (const FileError& error) {
            EXPECT_EQ(c.expected, Failure::File);
            EXPECT_NE(std::string(error.what()).find(c.target), std::string::npos) << error.what();
        }
        EXPECT_EQ(Contents(dir), before);
    }
}

}  // namespace
}  // namespace quadrel
