#pragma once

// What a PDF file holds, read with the tools of poppler-utils (pdfinfo,
// pdftotext, pdffonts), as a reader of the file would see it.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace korvane::pdf_test {

// The standard output of a shell command; empty when it cannot run.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return output;
}

// Runs a tool on the file; `after` follows the file name ("-" for standard output).
inline std::string Poppler(const std::string& tool, const std::string& options,
                           const std::filesystem::path& pdf, const std::string& after = "") {
    return CommandOutput(tool + " " + options + " " + testing::ShellQuoted(pdf.string()) + " " +
                         after + " 2>&1");
}

// The number of pages pdfinfo finds; 0 for a file it cannot read.
inline int PageCount(const std::filesystem::path& pdf) {
    const std::string info = Poppler("pdfinfo", "", pdf);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

// The text of every page, laid out as on the page.
inline std::string PageText(const std::filesystem::path& pdf) {
    return Poppler("pdftotext", "-layout", pdf, "-");
}

// The right edges of the words, in points from the page's left edge, with the
// page's width: pdftotext's bounding boxes.
struct WordEdges {
    double page_width = 0;
    double rightmost = 0;
};

inline WordEdges RightEdges(const std::filesystem::path& pdf) {
    const std::string boxes = Poppler("pdftotext", "-bbox", pdf, "-");
    WordEdges edges;
    const auto number_after = [&boxes](const std::string& key, std::size_t at) {
        return std::stod(boxes.substr(boxes.find(key, at) + key.size()));
    };
    if (const auto page = boxes.find("<page "); page != std::string::npos) {
        edges.page_width = number_after("width=\"", page);
    }
    for (auto at = boxes.find("<word "); at != std::string::npos;
         at = boxes.find("<word ", at + 1)) {
        edges.rightmost = std::max(edges.rightmost, number_after("xMax=\"", at));
    }
    return edges;
}

}  // namespace korvane::pdf_test
