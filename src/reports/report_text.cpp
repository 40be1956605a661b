#include "reports/report_text.h"

#include "reports/number_format.h"

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

}  // namespace

ReportText::ReportText(std::ostream& out, TextEscaping escaping) : out_(out), escaping_(escaping) {}

ReportText::~ReportText() {
    if (!line_.empty()) {
        out_ << line_;
    }
}

ReportText& ReportText::Text(std::string_view text) {
    for (char c : text) {
        if (c == '\0') {
            line_ += ' ';
        } else if (const std::string_view entity =
                       escaping_ == TextEscaping::Html ? HtmlEntity(c) : std::string_view();
                   !entity.empty()) {
            line_ += entity;
        } else {
            line_ += c;
        }
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
    line_ += PrintedNumber(x);
    return *this;
}

ReportText& ReportText::Plain(double x) {
    line_ += PlainNumber(x);
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
    out_ << line_ << "\r\n";
    line_.clear();
    return *this;
}

}  // namespace korvane
