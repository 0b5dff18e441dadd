// What the program's files do alike on every system; the system's own calls
// are in atomic_file.cpp (POSIX) and atomic_file_windows.cpp.
#include "base/atomic_file.h"
#include "base/path_text.h"

namespace quadrel {

std::string FileErrorText(std::string_view action, const std::filesystem::path& path,
                          std::string_view reason) {
    std::string text(action);
    text += " \"";
    text += Utf8Path(path);
    text += "\": ";
    text += reason;
    return text;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicFileWriter file(target, FileSync::ToDisk);
    file.Write(content);
    file.Commit();
}

}  // namespace quadrel
