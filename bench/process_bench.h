// Whole-process figures of the quadrel program: a dense sheet's time
// against cp of its own output and its peak memory against a trivial
// sheet's, and the sets per second of `quadrel series`.
#pragma once

#include <filesystem>

// Runs the program at `quadrel` with its work files in `dir`; prints the
// figures and returns 0, or throws std::runtime_error when a run fails.
int RunProcessBench(const std::filesystem::path& quadrel, const std::filesystem::path& dir);
