#pragma once

#include <string>

namespace korvane {

// The program's title, "Korvane v" and its version: major + minor / 10 + revision / 100.
float AppVersion();
std::string AppTitle();

// The version as the program states it in its reports: the shortest decimal
// form of the 32-bit number (1.1, not 1.10000002384186).
double AppVersionForReports();

inline constexpr const char* NewLine = "\r\n";

}  // namespace korvane
