#include "batch/web_index.h"

#include <cstring>
#include <ostream>
#include <sstream>

#include "files/atomic_write.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

constexpr const char* kCrLf = "\r\n";

void WriteTypeHeading(std::ostream& out, const ShipType& type) {
    out << "<font color=\"red\">Designs of type " << HtmlEscaped(type.name.view()) << "</font>"
        << kCrLf;
    out << "<font color=\"green\">" << HtmlEscaped(type.description) << "</font><br>" << kCrLf;
}

// The designs filed under `type`, as a list closed by "</ul>"; nothing when
// the type has none.
void WriteDesignList(std::ostream& out, const std::vector<IndexedDesign>& designs, int type,
                     const auto& write_heading) {
    bool any = false;
    for (const IndexedDesign& design : designs) {
        if (design.type != type) {
            continue;
        }
        if (!any) {
            write_heading();
            out << "<ul>" << kCrLf;
            any = true;
        }
        out << "<li><a href=\"" << LinkTarget(design.page) << "\" target=\"shmain\"><small>"
            << HtmlEscaped(design.ship_name) << "</a></small></li>" << kCrLf;
    }
    if (any) {
        out << "</ul>" << kCrLf;
    }
}

}  // namespace

std::vector<ShipType> ReadShipTypes(Catalog& catalog) {
    std::vector<ShipType> types;
    for (int number = 1; number <= kMaxShipTypes; ++number) {
        const ComponentRecord& row = catalog.LookupComponent("TY", number);
        if (catalog.NoMatch()) {
            break;
        }
        ShipType type{number, row.LABEL, {}};
        for (int field = 1; field <= 5; ++field) {
            type.description += Trimmed(row.MISCSTR[field].view(), kSpacesAndNuls);
        }
        types.push_back(std::move(type));
    }
    return types;
}

int MatchShipType(const std::vector<ShipType>& types, int number, const FixedText<20>& name) {
    for (const ShipType& type : types) {
        if (type.number == number && type.name == name) {
            return number;
        }
    }
    for (const ShipType& type : types) {
        if (type.name == name) {
            return type.number;
        }
    }
    return 0;
}

void WriteContentsPage(std::ostream& out, const std::vector<ShipType>& types,
                       const std::vector<IndexedDesign>& designs) {
    out << "<HTML>" << kCrLf << "<head>" << kCrLf << "<base target=\"shmain\">" << kCrLf
        << "<title>Starship Type Index</title>" << kCrLf << "</head>" << kCrLf << "<BODY>" << kCrLf
        << "<h1>Starship Type Index</h1>" << kCrLf << "<br>" << kCrLf;
    for (const ShipType& type : types) {
        WriteDesignList(out, designs, type.number, [&] { WriteTypeHeading(out, type); });
    }
    WriteDesignList(out, designs, 0,
                    [&] { out << "<font color=\"red\">Unclassified designs</font><br>" << kCrLf; });
    out << "</body>" << kCrLf << "</html>" << kCrLf;
}

void WriteFramesetPage(std::ostream& out, std::string_view first_page) {
    out << "<html>" << kCrLf << kCrLf << "<head>" << kCrLf << "<title>Starship Index</title>"
        << kCrLf << "</head>" << kCrLf << kCrLf << "<frameset cols=\"25%,*\">" << kCrLf
        << "  <frame name=\"contents\" target=\"shmain\" src=\"" << kContentsPageName << "\">"
        << kCrLf << "  <frame name=\"shmain\" src=\"" << LinkTarget(first_page) << "\">" << kCrLf
        << "  <noframes>" << kCrLf << "  <body>" << kCrLf
        << "  <p>This page uses frames, but your browser doesn't support them.</p>" << kCrLf
        << "  </body>" << kCrLf << "  </noframes>" << kCrLf << "</frameset>" << kCrLf << "</html>"
        << kCrLf;
}

Status WriteWebIndex(const std::filesystem::path& folder, const std::vector<ShipType>& types,
                     const std::vector<IndexedDesign>& designs, Durability durability) {
    int error = 0;
    const std::shared_ptr<const OpenedFolder> opened = OpenedFolder::Open(folder, error);
    if (!opened) {
        return Error{(folder / kContentsPageName).string() + ": cannot be written (" +
                     std::strerror(error) + ")"};
    }
    return WriteWebIndex(opened, types, designs, durability);
}

Status WriteWebIndex(const std::shared_ptr<const OpenedFolder>& folder,
                     const std::vector<ShipType>& types, const std::vector<IndexedDesign>& designs,
                     Durability durability) {
    std::vector<ReplaceableFile> pages;
    for (const char* page : {kContentsPageName, kFramesetPageName}) {
        Result<ReplaceableFile> found = FindReplaceableIn(folder, page, folder->PathOf(page));
        if (!found) {
            return found.status();
        }
        pages.push_back(std::move(found.value()));
    }
    std::ostringstream contents;
    WriteContentsPage(contents, types, designs);
    const Status contents_written = WriteReplaceable(pages[0], contents.view(), durability);
    if (!contents_written) {
        return contents_written;
    }
    std::ostringstream frameset;
    WriteFramesetPage(frameset, designs.empty() ? std::string() : designs.front().page);
    return WriteReplaceable(pages[1], frameset.view(), durability);
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            case '\0':
                escaped += ' ';
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string LinkTarget(std::string_view relative_path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string target;
    target.reserve(relative_path.size());
    for (char c : relative_path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == '/';
        if (plain) {
            target += c;
        } else {
            target += '%';
            target += kHex[byte >> 4];
            target += kHex[byte & 0x0F];
        }
    }
    return target;
}

}  // namespace korvane
