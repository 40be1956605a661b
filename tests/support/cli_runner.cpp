#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace korvane::testing {

std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

CliRun RunCli(const std::filesystem::path& home, const std::string& arguments,
              const CliLimits& limits) {
    return RunCliProgram(KORVANE_CLI, home, arguments, limits);
}

CliRun RunCliProgram(const std::filesystem::path& program, const std::filesystem::path& home,
                     const std::string& arguments, const CliLimits& limits) {
    const std::filesystem::path out = home / ".cli-out";
    const std::filesystem::path err = home / ".cli-err";
    std::string command = "cd " + ShellQuoted(home.string()) + " && exec >" +
                          ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string()) + " && ";
    if (limits.file_size_blocks > 0) {
        command += "ulimit -f " + std::to_string(limits.file_size_blocks) + " && ";
    }
    command += "env -u WINDIR HOME=" + ShellQuoted(home.string()) +
               " XDG_CONFIG_HOME=" + ShellQuoted((home / "config").string()) +
               " XDG_DATA_HOME=" + ShellQuoted((home / "data").string()) + " ";
    if (limits.seconds > 0) {
        command += "timeout " + std::to_string(limits.seconds) + " ";
    }
    command += ShellQuoted(program.string()) + " " + arguments;
    const int status = std::system(command.c_str());
    CliRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

}  // namespace korvane::testing
