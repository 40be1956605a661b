#include "reports/difference_text.h"

#include "model/number_format.h"
#include "model/text_helpers.h"
#include "reports/field_words.h"

namespace korvane {

namespace {

// How the totals window rounds a figure of this unit: to so many decimals,
// shown all (fixed) or only where they are not 0.
struct Rounding {
    int decimals;
    bool fixed;
};

Rounding RoundingOf(std::string_view unit) {
    if (unit == "KL") {
        return {0, true};
    }
    if (unit == "tons" || unit == "MW") {
        return {1, true};
    }
    if (unit == "MCr") {
        return {2, true};
    }
    return {2, false};
}

// Past this many decimals a figure is written in full.
constexpr int kMostDecimals = 6;

std::string Rounded(double figure, int decimals, bool fixed) {
    std::string pattern = "#,##0";
    if (decimals > 0) {
        pattern += "." + std::string(static_cast<std::size_t>(decimals), fixed ? '0' : '#');
    }
    std::string text = FormatPattern(figure, pattern);
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text;
}

// The figures of a field (one or two) as the totals window rounds them, with
// as many more decimals as it takes for a figure that is not 0 not to read 0
// and for two figures not to read alike.
std::vector<std::string> FigureTexts(const std::vector<double>& figures, std::string_view unit) {
    const Rounding rounding = RoundingOf(unit);
    for (int decimals = rounding.decimals; decimals <= kMostDecimals; ++decimals) {
        const std::string zero = Rounded(0, decimals, rounding.fixed);
        std::vector<std::string> texts;
        bool shown = true;
        for (const double figure : figures) {
            texts.push_back(Rounded(figure, decimals, rounding.fixed));
            shown = shown && (figure == 0 || texts.back() != zero);
        }
        if (shown && (texts.size() < 2 || texts[0] != texts[1])) {
            return texts;
        }
    }
    std::vector<std::string> texts;
    for (const double figure : figures) {
        texts.push_back(PlainNumber(figure));
    }
    return texts;
}

// "A -> B", or the one side there is: figures rounded, texts quoted as they read.
std::string ValuesText(const FieldDifference& field) {
    std::vector<double> figures;
    std::vector<std::string> texts;
    for (const DiffValue* side : {&field.before, &field.after}) {
        if (const double* figure = std::get_if<double>(side)) {
            figures.push_back(*figure);
        } else if (const std::string* text = std::get_if<std::string>(side)) {
            texts.push_back("\"" + ShownText(*text) + "\"");
        }
    }
    if (!figures.empty()) {
        texts = FigureTexts(figures, field.unit);
    }
    if (texts.empty()) {
        return "-";
    }
    return texts.size() == 1 ? texts[0] : texts[0] + " -> " + texts[1];
}

template <typename Words>
void AddFields(const std::vector<FieldDifference>& fields, const Words& words,
               std::vector<std::string>& lines) {
    for (const FieldDifference& field : fields) {
        lines.push_back("  " + words(field.field) + ": " + ValuesText(field));
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

std::string EntryHeading(const EntryDifference& entry) {
    std::string heading = entry.place;
    const std::string table = ShownText(entry.table);
    const std::string label = ShownText(entry.label);
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

std::string DifferenceSummary(const DesignDifferences& differences) {
    if (differences.Same()) {
        return "The designs are the same.";
    }
    if (differences.entries.empty()) {
        return "The designs differ in their totals.";
    }
    const std::size_t entries = differences.entries.size();
    const std::size_t sections = differences.ChangedSections().size();
    return std::to_string(entries) + (entries == 1 ? " entry differs in " : " entries differ in ") +
           std::to_string(sections) + (sections == 1 ? " section." : " sections.");
}

std::vector<std::string> DifferenceLines(const DesignDifferences& differences) {
    std::vector<std::string> lines;
    if (!differences.totals.empty()) {
        lines.emplace_back("Totals:");
        AddFields(differences.totals, TotalWords, lines);
    }
    if (differences.profile_code) {
        lines.emplace_back("Profile code:");
        lines.push_back("  A: " + ShownText(differences.profile_code->first));
        lines.push_back("  B: " + ShownText(differences.profile_code->second));
    }
    AddProblems(differences.problems_only_before, "A", lines);
    AddProblems(differences.problems_only_after, "B", lines);
    for (const EntryDifference& entry : differences.entries) {
        lines.push_back(EntryHeading(entry));
        AddFields(
            entry.fields,
            [&entry](const std::string& field) {
                return FieldWords(field, entry.slot, ShownText(entry.table));
            },
            lines);
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
