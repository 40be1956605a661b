#pragma once

#include <sys/resource.h>

namespace korvane::testing {

// Files larger than `bytes` cannot be written while this lives: a full disk
// that stops root as well as anyone else. SIGXFSZ is ignored meanwhile, so a
// write past the limit fails with an error instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_limit_{};
    void (*old_handler_)(int) = nullptr;
};

}  // namespace korvane::testing
