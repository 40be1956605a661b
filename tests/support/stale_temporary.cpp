#include "support/stale_temporary.h"

#include <sys/wait.h>
#include <unistd.h>

namespace korvane::testing {

namespace {

// The id of a child process that has run and been waited for.
pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

}  // namespace

std::string StaleTemporaryName(const std::string& of) {
    return "." + of + ".tmp-" + std::to_string(EndedProcessId()) + "-0";
}

std::string LiveTemporaryName(const std::string& of) {
    return "." + of + ".tmp-" + std::to_string(::getpid()) + "-999999";
}

}  // namespace korvane::testing
