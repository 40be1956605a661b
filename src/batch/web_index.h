#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/atomic_write.h"
#include "model/catalog.h"
#include "model/fixed_text.h"
#include "model/result.h"

namespace korvane {

// The web site of a folder of designs: a frameset page and a contents page
// that lists every design page under its ship type.
inline constexpr const char* kFramesetPageName = "index.htm";
inline constexpr const char* kContentsPageName = "index1.htm";

// The catalog's "TY" rows are read from id 1 up to the first missing one, and
// no further than this.
inline constexpr int kMaxShipTypes = 25;

// A ship type: its name as stored (20 characters, blanks included) and its
// description, the row's MISCSTR1–MISCSTR5 each trimmed and joined.
struct ShipType {
    int number = 0;
    FixedText<20> name;
    std::string description;
};

std::vector<ShipType> ReadShipTypes(Catalog& catalog);

// The type a design is filed under: its own type number when that type has the
// design's type name, otherwise the first type of that name; 0 when none has
// it. A number outside the catalog's types is matched by name only.
int MatchShipType(const std::vector<ShipType>& types, int number, const FixedText<20>& name);

// One design on the contents page.
struct IndexedDesign {
    std::string page;       // the design's page, relative to the site's folder
    std::string ship_name;  // the full 50-character name, Windows-1252
    int type = 0;           // the matched type; 0 files it under "Unclassified designs"
};

// The contents page: each type that has designs, in type order, with its
// designs in the order given; the unclassified designs last. Windows-1252,
// CRLF line ends, every text escaped, every link quoted.
void WriteContentsPage(std::ostream& out, const std::vector<ShipType>& types,
                       const std::vector<IndexedDesign>& designs);

// The frameset page: the contents on the left, `first_page` on the right
// (empty when the site has no design).
void WriteFramesetPage(std::ostream& out, std::string_view first_page);

// Writes both pages into `folder`; the right-hand frame opens the first design.
// Neither is written when either is a link that leads out of the folder.
Status WriteWebIndex(const std::filesystem::path& folder, const std::vector<ShipType>& types,
                     const std::vector<IndexedDesign>& designs,
                     Durability durability = Durability::EachFile);
// The same in a folder the program has opened.
Status WriteWebIndex(const std::shared_ptr<const OpenedFolder>& folder,
                     const std::vector<ShipType>& types, const std::vector<IndexedDesign>& designs,
                     Durability durability);

// Text for an HTML page: markup characters as entities, a NUL of a never-set
// field as a blank.
std::string HtmlEscaped(std::string_view text);

// A relative file path as the value of a link: every byte other than letters,
// digits, "-._~" and "/" percent-encoded, so blanks, "#", "?", "%", quotes and
// non-ASCII names all reach the file they name.
std::string LinkTarget(std::string_view relative_path);

}  // namespace korvane
