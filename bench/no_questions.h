#pragma once

// A Prompter for benchmarks of actions that ask nothing: any question would
// be a fault of the benchmark, so each one ends the program. Benchmarks of
// actions that ask override the questions they expect.

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ui/prompter.h"

namespace korvane::bench {

class NoQuestions : public Prompter {
public:
    using Prompter::AskYesNo;
    using Prompter::Choose;
    bool AskYesNo(const std::string&, const std::string&, MessageIcon, DefaultAnswer) override {
        std::abort();
    }
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override { std::abort(); }
    std::optional<int> Choose(const std::string&, const std::vector<std::string>&,
                              std::optional<int>) override {
        std::abort();
    }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        std::abort();
    }
    std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> ChooseDirectory(const std::string&) override { std::abort(); }
    RecoveredChoice ChooseRecovered(const std::string&, const std::string&,
                                    const std::vector<std::string>&) override {
        std::abort();
    }
    void Beep() override {}
};

}  // namespace korvane::bench
