#include "reports/report_text.h"

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

}  // namespace

ReportText::ReportText(std::string& out, TextEscaping escaping) : out_(out), escaping_(escaping) {}

ReportText::~ReportText() {
    out_ += line_;
}

ReportText& ReportText::Text(std::string_view text) {
    // Runs of ordinary characters are appended whole, and runs of NULs as
    // blanks; only the characters HTML gives a meaning, on the page, are
    // written one by one.
    const bool html = escaping_ == TextEscaping::Html;
    while (!text.empty()) {
        std::size_t run = 0;
        while (run < text.size() && text[run] != '\0' &&
               !(html && !HtmlEntity(text[run]).empty())) {
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
