#include "datafiles/title_file.h"

namespace quadrel {

ReadOutcome ReadTitleFile(const std::filesystem::path&, TitleSetStore&) { return ReadOutcome::EndOfFile; }
std::string TitleFileText(TitleSetStore&) { return {}; }
void WriteTitleFile(const std::filesystem::path&, TitleSetStore&) {}


}  // namespace quadrel
