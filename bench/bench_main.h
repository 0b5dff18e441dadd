// What every bench program does around its measurement: the folder for its
// files from the command line, an error reported by name, the files removed.
#pragma once

#include <cstdio>
#include <exception>
#include <filesystem>

template <typename Run, typename Clean>
int BenchMain(const char* name, int argc, char** argv, Run run, Clean clean) {
    const std::filesystem::path dir = argc > 1 ? argv[1] : "quadrel-bench-tmp";
    int status = 0;
    try {
        status = run(dir);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        status = 1;
    }
    clean(dir);
    return status;
}
