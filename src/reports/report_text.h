#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// How the texts of a report are written: as they stand (the profile text
// file), or with the characters HTML gives a meaning escaped (the design page).
enum class TextEscaping { None, Html };

inline constexpr std::size_t kHeadingWidth = 16;

// The line model every report is written with. Items are appended to the
// current line, which is added to the report's text, ending in CRLF, at EndLine. Columns
// count from 1 and count the bytes written, so on the page an escaped
// character or a piece of markup takes as many columns as it has bytes.
class ReportText {
public:
    explicit ReportText(std::string& out, TextEscaping escaping = TextEscaping::None);
    ReportText(const ReportText&) = delete;
    ReportText& operator=(const ReportText&) = delete;
    // Adds a line that was begun but not ended.
    ~ReportText();

    // A text of the design, the catalog, the notes or the program's own words:
    // a NUL (a text never set) is written as a blank, and on the page &, <, >,
    // " and ' are escaped.
    ReportText& Text(std::string_view text);
    // Markup of the page, written exactly as given.
    ReportText& Markup(std::string_view markup);

    // H("X"): the heading padded with blanks (or cut) to 16 characters.
    ReportText& Heading(std::string_view heading);
    // B: 16 blanks in place of the heading field.
    ReportText& BlankHeading();

    ReportText& Printed(double x);                              // p(x)
    ReportText& Plain(double x);                                // n(x)
    ReportText& Formatted(double x, std::string_view pattern);  // f(x, pattern)

    // Continues at column `column` with blanks. Nothing is written when the line
    // already stands there; when it is past it, the line ends and the next line
    // continues at that column.
    ReportText& Tab(int column);
    // Continues at the next print zone: the next column after the current one
    // that is 1 plus a multiple of 14 (15, 29, 43 …).
    ReportText& NextZone();
    ReportText& EndLine();

    // The bytes of the line begun so far, and the column the next item starts at.
    std::string_view Line() const { return line_; }
    int Column() const { return static_cast<int>(line_.size()) + 1; }
    // Forgets the line begun so far without writing it.
    void DropLine() { line_.clear(); }

private:
    std::string& out_;
    TextEscaping escaping_;
    std::string line_;
};

}  // namespace korvane
