#include "programs/program_handoff.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace quadrel {

namespace {

// A program started by its bare name was found on PATH.
std::filesystem::path FoundOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
#ifdef _WIN32
    const char separator = ';';
#else
    const char separator = ':';
#endif
    std::string_view folders(path);
    while (!folders.empty()) {
        const auto end = std::min(folders.find(separator), folders.size());
        const auto candidate = std::filesystem::path(std::string(folders.substr(0, end))) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return {};
}

#ifdef _WIN32
// One argument as the C runtime of the started program splits it again.
std::string QuotedArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + '"';
}
#endif

}  // namespace

std::filesystem::path ProgramDirectory(const char* argv0) {
    std::error_code error;
#ifdef __linux__
    // The program's real file, whatever folder or link started it.
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
#endif
    const std::string started = argv0 != nullptr ? argv0 : "";
    if (started.find_first_of("/\\") == std::string::npos) {
        if (auto found = FoundOnPath(started); !found.empty()) return found.parent_path();
    }
    const auto absolute = std::filesystem::absolute(started, error);
    return error ? std::filesystem::path(".") : absolute.parent_path();
}

int RunInstead(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    const std::string name = program.string();
    std::vector<const char*> argv{name.c_str()};
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
#ifdef _WIN32
    // The arguments are joined into one command line there; each is quoted
    // so that a path with blanks arrives whole.
    std::vector<std::string> quoted;
    for (const auto& argument : arguments) quoted.push_back(QuotedArgument(argument));
    argv.resize(1);
    for (const auto& argument : quoted) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    const intptr_t status = _spawnv(_P_WAIT, name.c_str(), argv.data());
    if (status == -1) throw std::runtime_error(std::strerror(errno));
    return static_cast<int>(status);
#else
    ::execv(name.c_str(), const_cast<char* const*>(argv.data()));
    throw std::runtime_error(std::strerror(errno));
#endif
}

}  // namespace quadrel
