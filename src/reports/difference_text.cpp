#include "reports/difference_text.h"

#include <algorithm>

#include "model/number_format.h"

namespace korvane {

namespace {

// A stored text as it reads: NULs as blanks, trailing blanks removed.
std::string Readable(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

void AddFields(const std::vector<FieldDifference>& fields, std::vector<std::string>& lines) {
    for (const FieldDifference& field : fields) {
        std::string line = "  " + field.field + ": ";
        if (std::holds_alternative<std::monostate>(field.before)) {
            line += DiffValueText(field.after, field.unit);
        } else if (std::holds_alternative<std::monostate>(field.after)) {
            line += DiffValueText(field.before, field.unit);
        } else {
            line += DiffValueText(field.before, field.unit) + " -> " +
                    DiffValueText(field.after, field.unit);
        }
        lines.push_back(std::move(line));
    }
}

void AddProblems(const std::vector<std::string>& problems, const char* side,
                 std::vector<std::string>& lines) {
    if (problems.empty()) {
        return;
    }
    lines.push_back(std::string("Problems only in ") + side + ":");
    for (const std::string& problem : problems) {
        lines.push_back("  " + problem);
    }
}

}  // namespace

std::string DiffValueText(const DiffValue& value, const std::string& unit) {
    if (const double* number = std::get_if<double>(&value)) {
        return unit.empty() ? PlainNumber(*number) : PlainNumber(*number) + " " + unit;
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return "\"" + Readable(*text) + "\"";
    }
    return "-";
}

std::string EntryHeading(const EntryDifference& entry) {
    std::string heading = entry.place;
    const std::string table = Readable(entry.table);
    const std::string label = Readable(entry.label);
    if (!table.empty()) {
        heading += ", " + table + " " + std::to_string(entry.id);
    }
    if (!label.empty()) {
        heading += " \"" + label + "\"";
    }
    heading += " (" + std::string(BreakdownSectionName(entry.section)) + ")";
    if (entry.change == EntryChange::OnlyBefore) {
        heading += ", only in A";
    } else if (entry.change == EntryChange::OnlyAfter) {
        heading += ", only in B";
    }
    return heading + ":";
}

std::vector<std::string> DifferenceLines(const DesignDifferences& differences) {
    std::vector<std::string> lines;
    if (!differences.totals.empty()) {
        lines.emplace_back("Totals:");
        AddFields(differences.totals, lines);
    }
    if (differences.profile_code) {
        lines.emplace_back("Profile code:");
        lines.push_back("  A: " + Readable(differences.profile_code->first));
        lines.push_back("  B: " + Readable(differences.profile_code->second));
    }
    AddProblems(differences.problems_only_before, "A", lines);
    AddProblems(differences.problems_only_after, "B", lines);
    for (const EntryDifference& entry : differences.entries) {
        lines.push_back(EntryHeading(entry));
        AddFields(entry.fields, lines);
    }
    const std::vector<BreakdownSection> sections = differences.ChangedSections();
    if (!sections.empty()) {
        std::string line = "Changed sections:";
        for (std::size_t i = 0; i < sections.size(); ++i) {
            line += (i == 0 ? " " : ", ") + std::string(BreakdownSectionName(sections[i]));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace korvane
