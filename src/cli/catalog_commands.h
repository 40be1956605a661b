#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Where the configured catalog is and how many rows each family holds.
int RunCatalogSummary(std::ostream& out, std::ostream& err);

// Validates the catalog in `file` (.csv or a catalog database), or the configured
// one when `file` is empty, and prints every problem.
int RunCatalogCheck(const std::string& file, std::ostream& out, std::ostream& err);

// The rows of one family.
int RunCatalogList(const std::string& family, std::ostream& out, std::ostream& err);

// Writes the configured catalog's rows as CSV. An existing `file` is replaced
// when it is an earlier export, anything else only with `force`; the catalog
// file itself never (kUsageError).
int RunCatalogExport(const std::string& file, bool force, std::ostream& out, std::ostream& err);

// Replaces the configured catalog's rows with those of a CSV file, after checking
// them; nothing is written when they fail the check.
int RunCatalogImport(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace korvane::cli
