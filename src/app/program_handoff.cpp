#include "app/program_handoff.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace quadrel {

std::filesystem::path ProgramDirectory(const char* argv0) {
    std::error_code error;
#ifdef __linux__
    // The program's real file, whatever folder or link started it.
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
#endif
    const auto started = std::filesystem::absolute(argv0 != nullptr ? argv0 : "", error);
    return error ? std::filesystem::path(".") : started.parent_path();
}

int RunInstead(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    const std::string name = program.string();
    std::vector<const char*> argv{name.c_str()};
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
#ifdef _WIN32
    const intptr_t status = _spawnv(_P_WAIT, name.c_str(), argv.data());
    if (status == -1) throw std::runtime_error(std::strerror(errno));
    return static_cast<int>(status);
#else
    ::execv(name.c_str(), const_cast<char* const*>(argv.data()));
    throw std::runtime_error(std::strerror(errno));
#endif
}

}  // namespace quadrel
