#include "cli/diff_command.h"

#include <nlohmann/json.hpp>

#include <ostream>

#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/terminal_text.h"
#include "engine/design_diff.h"
#include "reports/difference_text.h"

namespace korvane::cli {

namespace {

nlohmann::json ValueJson(const DiffValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        return *number;
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return JsonText(*text);
    }
    return nullptr;
}

nlohmann::json FieldsJson(const std::vector<FieldDifference>& fields) {
    nlohmann::json list = nlohmann::json::array();
    for (const FieldDifference& field : fields) {
        list.push_back({{"Field", field.field},
                        {"Unit", field.unit},
                        {"A", ValueJson(field.before)},
                        {"B", ValueJson(field.after)}});
    }
    return list;
}

nlohmann::json TextsJson(const std::vector<std::string>& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const std::string& text : texts) {
        list.push_back(JsonText(text));
    }
    return list;
}

std::string_view ChangeName(EntryChange change) {
    switch (change) {
        case EntryChange::OnlyBefore:
            return "OnlyInA";
        case EntryChange::OnlyAfter:
            return "OnlyInB";
        case EntryChange::Changed:
            break;
    }
    return "Changed";
}

nlohmann::json DifferencesJson(const std::string& first, const std::string& second,
                               const DesignDifferences& differences) {
    nlohmann::json json;
    json["A"] = TerminalName(first);
    json["B"] = TerminalName(second);
    json["Same"] = differences.Same();
    json["Totals"] = FieldsJson(differences.totals);
    json["ProfileCode"] = nullptr;
    if (differences.profile_code) {
        json["ProfileCode"] = {{"A", JsonText(differences.profile_code->first)},
                               {"B", JsonText(differences.profile_code->second)}};
    }
    json["Problems"] = {{"OnlyInA", TextsJson(differences.problems_only_before)},
                        {"OnlyInB", TextsJson(differences.problems_only_after)}};
    json["Entries"] = nlohmann::json::array();
    for (const EntryDifference& entry : differences.entries) {
        json["Entries"].push_back({{"Place", entry.place},
                                   {"Section", BreakdownSectionName(entry.section)},
                                   {"TABLE", JsonText(entry.table)},
                                   {"IDNUM", entry.id},
                                   {"LABEL", JsonText(entry.label)},
                                   {"Change", ChangeName(entry.change)},
                                   {"Fields", FieldsJson(entry.fields)}});
    }
    json["ChangedSections"] = nlohmann::json::array();
    for (const BreakdownSection section : differences.ChangedSections()) {
        json["ChangedSections"].push_back(BreakdownSectionName(section));
    }
    return json;
}

void PrintDifferences(const std::string& first, const std::string& second,
                      const DesignDifferences& differences, std::ostream& out) {
    if (differences.Same()) {
        out << DifferenceSummary(differences) << '\n';
        return;
    }
    out << "A: " << TerminalName(first) << "\nB: " << TerminalName(second) << '\n'
        << DifferenceSummary(differences) << '\n';
    for (const std::string& line : DifferenceLines(differences)) {
        out << TerminalLine(line) << '\n';
    }
}

}  // namespace

int RunDiff(const std::string& first, const std::string& second, bool json, std::ostream& out,
            std::ostream& err) {
    Session before;
    Session after;
    if (!OpenDesign(before, first, err)) {
        return OpenFailureCode(before);
    }
    if (!OpenDesign(after, second, err)) {
        return OpenFailureCode(after);
    }
    const DesignDifferences differences = CompareDesigns(before.design, after.design);
    if (json) {
        out << DifferencesJson(first, second, differences).dump(2) << '\n';
    } else {
        PrintDifferences(first, second, differences, out);
    }
    return differences.Same() ? kDone : kProblemsFound;
}

}  // namespace korvane::cli
