#pragma once

#include <string>

namespace korvane::testing {

// The name an interrupted save of the file `of` leaves beside it: a hidden
// temporary of a process that has ended.
std::string StaleTemporaryName(const std::string& of);
// A temporary of `of` that this running process could be writing.
std::string LiveTemporaryName(const std::string& of);

}  // namespace korvane::testing
