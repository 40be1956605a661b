#pragma once

namespace korvane::cli {

inline constexpr int kDone = 0;
inline constexpr int kProblemsFound = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kFileError = 3;
// Another program holds the catalog locked; it is sound, and a later try may pass.
inline constexpr int kCatalogInUse = 4;

}  // namespace korvane::cli
