#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string_view>

#include "files/atomic_write.h"
#include "files/regular_file.h"
#include "model/design.h"
#include "model/result.h"

namespace korvane {

// A design file (".k2d") is one value per line, CRLF line ends, Windows-1252
// bytes: the design record and the capacity record, then for each of the
// eleven tables a count line followed by entries 1..count, 30 lines each.
// Entry 0, MISCNUM0, MISCSTR0 and custom are not stored.
inline constexpr int kDesignFileLineCount = 5351;
// No line of a design file comes near this; a longer one means a file of another kind.
inline constexpr std::size_t kLongestDesignFileLine = 4096;
// Every line of a design at its longest: far more than any real design holds.
inline constexpr std::uintmax_t kLargestDesignFile =
    kDesignFileLineCount * (kLongestDesignFileLine + 2);

// Writes every entry of every table, used or not, with the tables' full counts.
void WriteDesign(std::ostream& out, const Design& design);

// Writes through a temporary file in the same folder that replaces `path` only
// when complete (WriteFileAtomically); a failure leaves the old file and names
// the path.
Status WriteDesignFile(const std::filesystem::path& path, const Design& design,
                       Durability durability = Durability::EachFile);
// The same over a file a check has just found replaceable, unless it has
// changed since it was read (WriteReplaceableUnlessChanged); gives the stamp
// of the file written.
Result<FileStamp> WriteDesignFile(const ReplaceableFile& found, const Design& design,
                                  Durability durability, const std::optional<FileStamp>& read);

// Reads a design file over `design`. Only a complete, valid file changes it:
// on failure `design` is untouched and the message names `source_name`, the
// line and what was expected there. Entries above a table's count line, and
// the fields the file does not store, keep their values. LF line ends read too.
Status ReadDesign(std::istream& in, std::string_view source_name, Design& design);
// `stamp`, when given, receives the stamp of the file read (see FileStamp).
Status ReadDesignFile(const std::filesystem::path& path, Design& design,
                      FileStamp* stamp = nullptr);
// The same, read over `start` instead of over `design` itself: a caller that
// reads many files onto one start spares itself a copy of the design.
Status ReadDesignFileOnto(const std::filesystem::path& path, const Design& start, Design& design,
                          FileStamp* stamp = nullptr);
// The same for a design found by `name` in a folder the program has opened,
// which a link may not lead out of (ReadRegularFileIn).
Status ReadDesignFileOnto(const OpenedFolder& folder, std::string_view name, const Design& start,
                          Design& design, FileStamp* stamp = nullptr);

}  // namespace korvane
