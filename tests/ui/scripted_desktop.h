#pragma once

// A Desktop for the window tests: it records what the windows ask of it,
// answers from fields the test sets, and hands out print jobs that record
// what is printed.

#include <chrono>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/desktop.h"

namespace korvane::ui_test {

// What one print job put on paper.
struct PrintedJob {
    std::vector<std::string> lines;  // every ended line
    std::string open_line;           // printed after the last line end
    std::vector<std::string> bold_texts;
    bool ended = false;

    void Print(std::string_view text, bool bold) {
        open_line += text;
        if (bold) {
            bold_texts.emplace_back(text);
        }
    }
    void EndLine() {
        lines.push_back(open_line);
        open_line.clear();
    }
};

// Fixed-pitch text: every character is `char_width` twips wide.
class RecordingTextFlow final : public ui::TextFlowSurface {
public:
    RecordingTextFlow(PrintedJob& job, double width, double char_width)
        : job_(job), width_(width), char_width_(char_width) {}

    void SetFont(std::string_view, double) override {}
    void SetBold(bool bold) override { bold_ = bold; }
    void Print(std::string_view text) override { job_.Print(text, bold_); }
    void EndLine() override { job_.EndLine(); }
    double CurrentX() const override {
        return static_cast<double>(job_.open_line.size()) * char_width_;
    }
    double PrintableWidth() const override { return width_; }
    void EndDocument() override { job_.ended = true; }

private:
    PrintedJob& job_;
    double width_;
    double char_width_;
    bool bold_ = false;
};

class RecordingProfilePage final : public PrintSurface {
public:
    explicit RecordingProfilePage(PrintedJob& job) : job_(job) {}

    void SetFont(std::string_view, double) override {}
    void SetBold(bool bold) override { bold_ = bold; }
    void PrintAt(double, std::string_view text) override { job_.Print(text, bold_); }
    void EndLine() override { job_.EndLine(); }
    void EndDocument() override { job_.ended = true; }

private:
    PrintedJob& job_;
    bool bold_ = false;
};

class ScriptedDesktop final : public ui::Desktop {
public:
    Status OpenInTextEditor(const std::string& path,
                            std::function<void(const Status&)> failed_later) override {
        opened_in_editor.push_back(path);
        editor_failed_later = std::move(failed_later);
        return editor_fails ? Status(Error{path + ": no text editor could be started"}) : Status();
    }
    std::optional<std::string> FindProgram(const std::string& name) override {
        const auto found = installed.find(name);
        return found == installed.end() ? std::nullopt : std::optional(found->second);
    }
    Status StartProgram(const std::string& program, const std::vector<std::string>&) override {
        started.push_back(program);
        return failing_programs.count(program) != 0 ? Status(Error{program + ": cannot start"})
                                                    : Status();
    }
    Status StartNewCopy() override {
        ++new_copies;
        return {};
    }
    std::unique_ptr<PrintSurface> StartProfilePrint(const std::string& title,
                                                    const std::string& pdf_file) override {
        print_titles.push_back(title);
        proposed_pdf_files.push_back(pdf_file);
        return printer ? std::make_unique<RecordingProfilePage>(jobs.emplace_back()) : nullptr;
    }
    std::unique_ptr<ui::TextFlowSurface> StartTextPrint() override {
        return printer ? std::make_unique<RecordingTextFlow>(jobs.emplace_back(), printable_width,
                                                             char_width)
                       : nullptr;
    }
    std::chrono::sys_days Today() override { return today; }
    std::chrono::local_seconds Now() override {
        const std::chrono::local_seconds now = clock.front();
        if (clock.size() > 1) {
            clock.pop_front();
        }
        return now;
    }

    // Answers.
    std::map<std::string, std::string> installed;  // program name → its path
    std::set<std::string> failing_programs;        // paths that fail to start
    bool editor_fails = false;                     // the text editor's opener cannot start
    bool printer = true;
    double printable_width = 10000;
    double char_width = 100;
    std::chrono::sys_days today = std::chrono::sys_days(std::chrono::year{2026} / 12 / 7);
    // Successive answers of Now(); the last one stays.
    std::deque<std::chrono::local_seconds> clock{
        std::chrono::local_days(std::chrono::year{2026} / 12 / 7) + std::chrono::hours(14)};

    // What the windows asked.
    std::vector<std::string> opened_in_editor;
    std::function<void(const Status&)> editor_failed_later;  // of the last file opened
    std::vector<std::string> started;
    int new_copies = 0;
    std::vector<std::string> proposed_pdf_files;  // by each profile print, in turn
    std::vector<std::string> print_titles;        // likewise
    std::list<PrintedJob> jobs;
};

}  // namespace korvane::ui_test
