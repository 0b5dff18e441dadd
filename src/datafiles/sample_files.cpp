#include "datafiles/sample_files.h"

namespace quadrel {

std::string_view SampleGridFileText() { return {}; }
std::string_view SampleTitleFileText() { return {}; }
void WriteSampleFiles(const std::filesystem::path&) {}


}  // namespace quadrel
