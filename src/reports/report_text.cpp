#include "reports/report_text.h"

#include <array>

#include "model/number_format.h"

namespace korvane {

namespace {

constexpr int kZoneWidth = 14;

std::string_view HtmlEntity(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case '\'':
            return "&#39;";
        default:
            return {};
    }
}

// The bytes a text cannot take over as they are: a NUL, and on the page the
// characters HTML gives a meaning. A table, since every byte of every text is
// looked up.
using SpecialBytes = std::array<bool, 256>;

constexpr SpecialBytes MakeSpecialBytes(bool html) {
    SpecialBytes special{};
    special['\0'] = true;
    for (const unsigned char c : {'&', '<', '>', '"', '\''}) {
        special[c] = html;
    }
    return special;
}

constexpr SpecialBytes kSpecialInText = MakeSpecialBytes(false);
constexpr SpecialBytes kSpecialInPage = MakeSpecialBytes(true);

}  // namespace

ReportText::ReportText(std::string& out, TextEscaping escaping) : out_(out), escaping_(escaping) {}

ReportText::~ReportText() {
    out_ += line_;
}

ReportText& ReportText::Text(std::string_view text) {
    // Runs of ordinary characters are appended whole, and runs of NULs as
    // blanks; only the characters HTML gives a meaning, on the page, are
    // written one by one.
    const SpecialBytes& special = escaping_ == TextEscaping::Html ? kSpecialInPage : kSpecialInText;
    while (!text.empty()) {
        std::size_t run = 0;
        while (run < text.size() && !special[static_cast<unsigned char>(text[run])]) {
            ++run;
        }
        line_.append(text.data(), run);
        if (run == text.size()) {
            break;
        }
        text.remove_prefix(run);
        if (text.front() != '\0') {
            line_ += HtmlEntity(text.front());
            text.remove_prefix(1);
            continue;
        }
        // A field never wholly set ends in a run of NULs.
        std::size_t nuls = 0;
        while (nuls < text.size() && text[nuls] == '\0') {
            ++nuls;
        }
        line_.append(nuls, ' ');
        text.remove_prefix(nuls);
    }
    return *this;
}

ReportText& ReportText::Markup(std::string_view markup) {
    line_ += markup;
    return *this;
}

ReportText& ReportText::Heading(std::string_view heading) {
    const std::size_t start = line_.size();
    Text(heading.substr(0, kHeadingWidth));
    const std::size_t written = line_.size() - start;
    if (written < kHeadingWidth) {
        line_.append(kHeadingWidth - written, ' ');
    }
    return *this;
}

ReportText& ReportText::BlankHeading() {
    line_.append(kHeadingWidth, ' ');
    return *this;
}

ReportText& ReportText::Printed(double x) {
    AppendPrintedNumber(line_, x);
    return *this;
}

ReportText& ReportText::Plain(double x) {
    AppendPlainNumber(line_, x);
    return *this;
}

ReportText& ReportText::Formatted(double x, std::string_view pattern) {
    return Text(FormatPattern(x, pattern));
}

ReportText& ReportText::Tab(int column) {
    if (column < 1) {
        column = 1;
    }
    if (Column() > column) {
        EndLine();
    }
    line_.append(column - Column(), ' ');
    return *this;
}

ReportText& ReportText::NextZone() {
    const int zone_start = (Column() - 1) / kZoneWidth * kZoneWidth + 1;
    return Tab(zone_start + kZoneWidth);
}

ReportText& ReportText::EndLine() {
    out_ += line_;
    out_ += "\r\n";
    line_.clear();
    return *this;
}

}  // namespace korvane
