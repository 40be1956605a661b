#include "model/catalog_csv.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "model/catalog_values.h"
#include "model/cp1252.h"
#include "model/record_fields.h"

namespace korvane {

namespace {

// Splits one CSV record, which may span lines inside quotes. Returns false at
// the end of the input; `line` counts the lines consumed.
bool ReadCsvRecord(std::istream& in, std::vector<std::string>& cells, int& line,
                   bool& unterminated) {
    cells.clear();
    unterminated = false;
    std::string text;
    if (!std::getline(in, text)) {
        return false;
    }
    ++line;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0;; ++i) {
        if (i == text.size()) {
            if (!quoted) {
                break;
            }
            std::string more;
            if (!std::getline(in, more)) {
                unterminated = true;
                break;
            }
            ++line;
            cell += '\n';
            text = std::move(more);
            i = static_cast<std::size_t>(-1);
            continue;
        }
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.push_back(std::move(cell));
            cell.clear();
        } else if (c != '\r' || i + 1 != text.size()) {
            cell += c;
        }
    }
    cells.push_back(std::move(cell));
    return true;
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string Located(std::string_view source, int line, const std::string& what) {
    return std::string(source) + ", line " + std::to_string(line) + ": " + what;
}

// The row a message is about, by its key as far as it has been read: the
// family comes first in record order and the id second.
std::string RowName(const ComponentRecord& row, std::size_t field_being_read) {
    if (field_being_read <= 1) {
        return {};
    }
    return "row " + Utf8FromCp1252(row.TABLE.trimmed()) + " " + std::to_string(row.IDNUM) + ", ";
}

std::string QuotedCell(const std::string& text) {
    const bool needs_quotes = text.find_first_of(",\"\n\r") != std::string::npos ||
                              (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needs_quotes) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// A catalog text as written: trailing blanks and never-set NULs left out.
std::string CatalogText(const std::string& bytes) {
    std::string text;
    for (char c : bytes) {
        if (c != '\0') {
            text += c;
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return Utf8FromCp1252(text);
}

}  // namespace

Result<std::vector<ComponentRecord>> ReadCatalogCsv(std::istream& in,
                                                    std::string_view source_name) {
    const auto& fields = RecordFields();
    std::vector<std::string> cells;
    int line = 0;
    bool unterminated = false;
    if (!ReadCsvRecord(in, cells, line, unterminated)) {
        return Error{std::string(source_name) +
                     ": the file is empty; expected a header line naming the fields"};
    }
    // A spreadsheet may begin its UTF-8 file with a byte-order mark.
    if (!cells.empty() && cells[0].starts_with(kUtf8ByteOrderMark)) {
        cells[0].erase(0, kUtf8ByteOrderMark.size());
    }
    std::array<std::size_t, kRecordFieldCount> column_of;
    column_of.fill(kRecordFieldCount);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const std::size_t field = FieldIndex(cells[column]);
        if (field == kRecordFieldCount) {
            return Error{Located(source_name, line,
                                 "unknown column \"" + cells[column] + "\" in the header")};
        }
        if (column_of[field] != kRecordFieldCount) {
            return Error{
                Located(source_name, line, "column \"" + cells[column] + "\" appears twice")};
        }
        column_of[field] = column;
    }
    for (std::size_t field = 0; field < fields.size(); ++field) {
        if (column_of[field] == kRecordFieldCount) {
            return Error{
                Located(source_name, line,
                        "the header lacks the column \"" + std::string(fields[field].name) + "\"")};
        }
    }

    std::vector<ComponentRecord> rows;
    while (ReadCsvRecord(in, cells, line, unterminated)) {
        if (unterminated) {
            return Error{Located(source_name, line, "a quoted field is never closed")};
        }
        if (cells.size() == 1 && cells[0].empty()) {
            continue;
        }
        if (cells.size() != column_of.size()) {
            return Error{Located(source_name, line,
                                 "expected " + std::to_string(column_of.size()) +
                                     " fields, found " + std::to_string(cells.size()))};
        }
        ComponentRecord row;
        for (std::size_t field = 0; field < fields.size(); ++field) {
            const std::string& cell = cells[column_of[field]];
            if (fields[field].kind == FieldKind::Text) {
                auto text = ParseCatalogText(cell, fields[field]);
                if (!text) {
                    return Error{Located(source_name, line, RowName(row, field) + text.message())};
                }
                SetTextField(row, field, *text);
                continue;
            }
            auto number = ParseCatalogNumber(cell, fields[field]);
            if (!number) {
                return Error{Located(source_name, line, RowName(row, field) + number.message())};
            }
            SetNumberField(row, field, *number);
        }
        rows.push_back(row);
    }
    return rows;
}

void WriteCatalogCsv(std::ostream& out, const std::vector<ComponentRecord>& rows) {
    const auto& fields = RecordFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        out << (field ? "," : "") << fields[field].name;
    }
    out << '\n';
    for (const ComponentRecord& row : rows) {
        for (std::size_t field = 0; field < fields.size(); ++field) {
            out << (field ? "," : "");
            if (fields[field].kind == FieldKind::Text) {
                out << QuotedCell(CatalogText(TextField(row, field)));
            } else {
                out << ExactNumberText(NumberField(row, field));
            }
        }
        out << '\n';
    }
}

}  // namespace korvane
