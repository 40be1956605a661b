#pragma once

#include <filesystem>
#include <string>

namespace korvane::testing {

struct CliRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Limits for a run that could go wrong: a time after which it is ended (exit
// code 124), a file-size limit in 512-byte blocks as "ulimit -f" sets it.
struct CliLimits {
    int seconds = 0;
    long file_size_blocks = 0;
};

// Runs korvane-cli with `arguments` (a shell word list) inside `home`, with
// HOME, XDG_CONFIG_HOME and XDG_DATA_HOME pointed there and WINDIR unset, so
// each test has its own configuration and catalog.
CliRun RunCli(const std::filesystem::path& home, const std::string& arguments,
              const CliLimits& limits = {});
// The same with another copy of the program, at `program`.
CliRun RunCliProgram(const std::filesystem::path& program, const std::filesystem::path& home,
                     const std::string& arguments, const CliLimits& limits = {});

// Quotes a word for the shell.
std::string ShellQuoted(const std::string& word);

}  // namespace korvane::testing
