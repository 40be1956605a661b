#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/session.h"
#include "files/opened_folder.h"
#include "model/catalog.h"
#include "model/result.h"

namespace korvane {

// A design file keeps each figure in its 15-significant-digit form, so a
// figure that the recalculation works out from others read back that way may
// come out a last digit apart, and a design would change with every resave.
// Settles a recalculated design until its file, read back over it and
// recalculated, writes that very file again: its second resave equals its first.
void SettleAsWritten(Design& design, Catalog& catalog);

// Loads the design file at `path` into the session's design: a complete, valid
// read replaces the design, becomes the current design path and the most recent
// file, is recalculated once and counts as saved. A file that cannot be read
// changes nothing, neither the design nor the path nor the recent files. Asks
// nothing: the caller has chosen the file and asked about unsaved changes.
// The design is settled as written (SettleAsWritten).
Status LoadDesign(Session& session, const std::string& path);
// The same for the design found by `name` in a folder the program has opened
// (a link may not lead out of it), read over `start` instead of over the
// session's design: a batch run reads every design onto the new design.
Status LoadDesignOnto(Session& session, const OpenedFolder& folder, std::string_view name,
                      const Design& start);

// Reads the design file at `path` into `design` as the program's start and
// load give it (the new design, the file read over it, one recalculation),
// for a design shown beside the open one. The session is left as it is: its
// design, its current path and the recent files. A file that cannot be read
// leaves `design` as it was.
Status LoadDesignCopy(Catalog& catalog, const std::string& path, Design& design);
// The same for a design file's text read from `in`; messages name `source_name`.
Status LoadDesignCopy(Catalog& catalog, std::istream& in, std::string_view source_name,
                      Design& design);

}  // namespace korvane
