#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/prompter.h"

namespace korvane::testing {

enum class QuestionKind { YesNo, Message, Choice, Text, OpenFile, SaveFile, Directory, Recovered };

// One question as the code under test put it.
struct Question {
    QuestionKind kind = QuestionKind::Message;
    std::string title;  // message box or input box title, choice caption, chooser start
    std::string text;   // message text or input prompt
    std::string initial;
    MessageIcon icon = MessageIcon::None;
    DefaultAnswer default_answer = DefaultAnswer::No;  // of a Yes/No question
    std::vector<std::string> options;   // a choice's options, the recovered copies' lines
    std::optional<int> default_option;  // of the choice dialog, counted from 1
    FileDialogRequest file;
};

// A Prompter for tests. Answers are queued beforehand in the order the
// questions are expected; every question is recorded. A question the script
// does not expect next (none queued, or one of another kind) fails the test
// and gets the default answer, like a dialog closed without an answer, and so
// do answers still queued when the prompter goes away. Messages and beeps are
// only recorded.
class ScriptedPrompter final : public Prompter {
public:
    ~ScriptedPrompter() override;

    ScriptedPrompter& AnswerYesNo(bool yes);
    ScriptedPrompter& AnswerChoice(std::optional<int> position);
    ScriptedPrompter& AnswerText(std::optional<std::string> text);
    ScriptedPrompter& AnswerOpenFile(std::optional<std::string> path);
    ScriptedPrompter& AnswerSaveFile(std::optional<std::string> path);
    ScriptedPrompter& AnswerDirectory(std::optional<std::string> path);
    ScriptedPrompter& AnswerRecovered(RecoveredChoice choice);

    const std::vector<Question>& questions() const { return questions_; }
    int beeps() const { return beeps_; }

    using Prompter::AskYesNo;
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                  DefaultAnswer default_answer) override;
    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    using Prompter::Choose;
    std::optional<int> Choose(const std::string& caption, const std::vector<std::string>& options,
                              std::optional<int> default_option) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseDirectory(const std::string& start) override;
    RecoveredChoice ChooseRecovered(const std::string& title, const std::string& text,
                                    const std::vector<std::string>& copies) override;
    void Beep() override { ++beeps_; }

private:
    struct Answer {
        QuestionKind kind;
        bool yes = false;
        std::optional<int> position;
        std::optional<std::string> text;
        RecoveredChoice recovered;
    };

    ScriptedPrompter& Queue(Answer answer);
    // Records the question and takes the next answer when it is of its kind.
    std::optional<Answer> Take(Question question);

    std::deque<Answer> script_;
    std::vector<Question> questions_;
    int beeps_ = 0;
};

}  // namespace korvane::testing
