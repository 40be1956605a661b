#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <utility>

namespace korvane::testing {

namespace {

const char* KindName(QuestionKind kind) {
    switch (kind) {
        case QuestionKind::YesNo:
            return "a Yes/No question";
        case QuestionKind::Message:
            return "a message";
        case QuestionKind::Choice:
            return "the choice dialog";
        case QuestionKind::Text:
            return "an input box";
        case QuestionKind::OpenFile:
            return "an open-file dialog";
        case QuestionKind::SaveFile:
            return "a save-file dialog";
        case QuestionKind::Directory:
            return "the directory chooser";
        case QuestionKind::Recovered:
            return "the list of recovered changes";
    }
    return "a question";
}

Question Asked(QuestionKind kind, const std::string& title, const std::string& text = {}) {
    Question question;
    question.kind = kind;
    question.title = title;
    question.text = text;
    return question;
}

}  // namespace

ScriptedPrompter::~ScriptedPrompter() {
    if (!script_.empty()) {
        ADD_FAILURE() << script_.size() << " scripted answer(s) never asked for; the first was for "
                      << KindName(script_.front().kind);
    }
}

ScriptedPrompter& ScriptedPrompter::Queue(Answer answer) {
    script_.push_back(std::move(answer));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::AnswerYesNo(bool yes) {
    return Queue({QuestionKind::YesNo, yes, std::nullopt, std::nullopt, {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerChoice(std::optional<int> position) {
    return Queue({QuestionKind::Choice, false, position, std::nullopt, {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerText(std::optional<std::string> text) {
    return Queue({QuestionKind::Text, false, std::nullopt, std::move(text), {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerOpenFile(std::optional<std::string> path) {
    return Queue({QuestionKind::OpenFile, false, std::nullopt, std::move(path), {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerSaveFile(std::optional<std::string> path) {
    return Queue({QuestionKind::SaveFile, false, std::nullopt, std::move(path), {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerDirectory(std::optional<std::string> path) {
    return Queue({QuestionKind::Directory, false, std::nullopt, std::move(path), {}});
}

ScriptedPrompter& ScriptedPrompter::AnswerRecovered(RecoveredChoice choice) {
    return Queue({QuestionKind::Recovered, false, std::nullopt, std::nullopt, choice});
}

std::optional<ScriptedPrompter::Answer> ScriptedPrompter::Take(Question question) {
    const QuestionKind kind = question.kind;
    const std::string title = question.title;
    questions_.push_back(std::move(question));
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " \"" << title << "\""
                      << (script_.empty() ? std::string("; no answer is scripted")
                                          : std::string("; the script expects ") +
                                                KindName(script_.front().kind));
        return std::nullopt;
    }
    Answer answer = std::move(script_.front());
    script_.pop_front();
    return answer;
}

bool ScriptedPrompter::AskYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                                DefaultAnswer default_answer) {
    Question question = Asked(QuestionKind::YesNo, title, text);
    question.icon = icon;
    question.default_answer = default_answer;
    const auto answer = Take(std::move(question));
    return answer ? answer->yes : default_answer == DefaultAnswer::Yes;
}

void ScriptedPrompter::ShowMessage(const std::string& title, const std::string& text,
                                   MessageIcon icon) {
    Question question = Asked(QuestionKind::Message, title, text);
    question.icon = icon;
    questions_.push_back(std::move(question));
}

std::optional<int> ScriptedPrompter::Choose(const std::string& caption,
                                            const std::vector<std::string>& options,
                                            std::optional<int> default_option) {
    Question question = Asked(QuestionKind::Choice, caption);
    question.options = options;
    question.default_option = default_option;
    const auto answer = Take(std::move(question));
    return answer ? answer->position : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::AskText(const std::string& title,
                                                     const std::string& prompt,
                                                     const std::string& initial) {
    Question question = Asked(QuestionKind::Text, title, prompt);
    question.initial = initial;
    const auto answer = Take(std::move(question));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::AskOpenFile(const FileDialogRequest& request) {
    Question question = Asked(QuestionKind::OpenFile, request.title);
    question.file = request;
    const auto answer = Take(std::move(question));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::AskSaveFile(const FileDialogRequest& request) {
    Question question = Asked(QuestionKind::SaveFile, request.title);
    question.file = request;
    const auto answer = Take(std::move(question));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::ChooseDirectory(const std::string& start) {
    const auto answer = Take(Asked(QuestionKind::Directory, start));
    return answer ? answer->text : std::nullopt;
}

RecoveredChoice ScriptedPrompter::ChooseRecovered(const std::string& title, const std::string& text,
                                                  const std::vector<std::string>& copies) {
    Question question = Asked(QuestionKind::Recovered, title, text);
    question.options = copies;
    const auto answer = Take(std::move(question));
    return answer ? answer->recovered : RecoveredChoice{};
}

}  // namespace korvane::testing
