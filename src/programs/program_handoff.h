// Handing a command to a companion program installed beside this one. The
// only unit besides the file writer that uses the operating system's own
// calls.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quadrel {

// The folder of the running program: where its companions are.
std::filesystem::path ProgramDirectory(const char* argv0);

// Runs `program` with `arguments` in place of this process: on POSIX
// systems this process becomes it and the call does not return; elsewhere
// it runs as a child and its exit status is returned. Throws
// std::runtime_error with the reason when it cannot be started.
int RunInstead(const std::filesystem::path& program, const std::vector<std::string>& arguments);

}  // namespace quadrel
