#include "cli/design_commands.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <sstream>

#include "app/load_design.h"
#include "app/new_design.h"
#include "app/save_design.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/output_checks.h"
#include "cli/terminal_text.h"
#include "engine/breakdown.h"
#include "engine/design_advice.h"
#include "engine/profile_code.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/companion_files.h"
#include "model/record_fields.h"
#include "reports/breakdown_text.h"
#include "reports/report_context.h"
#include "reports/status_captions.h"
#include "reports/utilization.h"

namespace korvane::cli {

namespace {

// The caption's lines; a red caption says so after its last line.
void PrintCaption(std::ostream& out, const std::string& caption, bool over_the_limit = false) {
    std::istringstream lines(caption);
    std::string line;
    std::string text;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        text += TerminalText(line) + '\n';
    }
    if (over_the_limit && !text.empty()) {
        text.insert(text.size() - 1, "   (over the limit)");
    }
    out << text;
}

void PrintProblems(const Design& design, std::ostream& out) {
    out << "Problems:\n";
    for (const std::string& problem : design.Problems) {
        out << "  " << TerminalLine(problem) << '\n';
    }
}

void PrintAdvice(const std::vector<Advice>& advice, std::ostream& out) {
    out << "Advice:\n";
    for (const Advice& line : advice) {
        out << "  " << TerminalLine(line.Line()) << '\n';
    }
}

void PrintSummary(Session& session, std::ostream& out) {
    Design& design = session.design;
    const StatusSummary summary = ShowStatusSummary(design);
    const StatusCaptions captions = CaptionsOf(summary);
    PrintCaption(out, captions.ship_name);
    PrintCaption(out, captions.tech_level);
    PrintCaption(out, captions.volume, summary.volume_over);
    PrintCaption(out, captions.displacement);
    PrintCaption(out, captions.power, summary.power_over);
    PrintCaption(out, captions.hardpoints, summary.hardpoints_over);
    PrintCaption(out, captions.mass);
    PrintCaption(out, captions.cost);
    PrintCaption(out, captions.agility);
    PrintCaption(out, captions.cargo);
    out << "Status: " << captions.changed_mark << '\n';
    out << "Lamp: " << (summary.valid ? "green" : "red") << '\n';
    out << "Profile code: " << TerminalText(BuildProfileCode(design)) << "\n\n";
    PrintCaption(out, UtilizationMessage(design));
    out << '\n' << BreakdownTable(DesignBreakdown(design));
    if (!design.Problems.empty()) {
        out << '\n';
        PrintProblems(design, out);
    }
    if (const std::vector<Advice> advice = DesignAdvice(design); !advice.empty()) {
        out << '\n';
        PrintAdvice(advice, out);
    }
}

nlohmann::json SlotJson(const ComponentRecord& slot) {
    nlohmann::json object = nlohmann::json::object();
    const auto& fields = RecordFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const std::string_view name = fields[field].name;
        if (name == "MISCNUM0" || name == "MISCSTR0" || name == "custom") {
            continue;
        }
        const std::string key(name);
        if (fields[field].kind == FieldKind::Text) {
            object[key] = JsonText(TextField(slot, field));
        } else if (fields[field].kind == FieldKind::Integer) {
            object[key] = static_cast<int>(NumberField(slot, field));
        } else {
            object[key] = NumberField(slot, field);
        }
    }
    return object;
}

nlohmann::json FiguresJson(const SectionFigures& figures) {
    nlohmann::json object = nlohmann::json::object();
    for (const BreakdownQuantity quantity : kBreakdownQuantities) {
        object[std::string(QuantityUnit(quantity))] = FigureOf(figures, quantity);
    }
    return object;
}

// The sections in their order, each with its figures in KL, MW and MCr, and the total.
nlohmann::json BreakdownJson(const Breakdown& breakdown) {
    nlohmann::json sections = nlohmann::json::array();
    for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
        nlohmann::json section = FiguresJson(breakdown.sections[s]);
        section["Section"] = BreakdownSectionName(static_cast<BreakdownSection>(s));
        sections.push_back(std::move(section));
    }
    return {{"Sections", std::move(sections)}, {"Total", FiguresJson(breakdown.total)}};
}

nlohmann::json DesignJson(Design& design) {
    ShowStatusSummary(design);
    nlohmann::json json;
    json["ShipName"] = JsonText(design.ShipName());
    json["DesignTL"] = design.DesignTL();
    json["HullKL"] = design.HullKL();
    json["UsedKL"] = design.UsedKL();
    json["TotalTons"] = design.TotalTons();
    json["TotalCr"] = design.TotalCr();
    json["UsedMW"] = design.UsedMW();
    json["AvailableMW"] = design.AvailableMW();
    json["UsedHardpoints"] = design.UsedHardpoints();
    json["Hardpoints"] = design.Hardpoints();
    json["DesignValid"] = design.DesignValid();
    json["ProfileCode"] = JsonText(BuildProfileCode(design));
    json["SensorCodes"] = nlohmann::json::array();
    for (int position = 1; position <= 6; ++position) {
        json["SensorCodes"].push_back(JsonText(design.SensorCodes[position]));
    }
    json["WeaponFactors"] = nlohmann::json::array();
    json["WeaponCounts"] = nlohmann::json::array();
    for (int type = 1; type <= 12; ++type) {
        nlohmann::json factors = nlohmann::json::array();
        nlohmann::json counts = nlohmann::json::array();
        for (int mounting = 1; mounting <= 3; ++mounting) {
            factors.push_back(design.WeaponFactors[type][mounting]);
            counts.push_back(design.WeaponCounts[type][mounting]);
        }
        json["WeaponFactors"].push_back(factors);
        json["WeaponCounts"].push_back(counts);
    }
    json["ControlPoints"] = nlohmann::json::array();
    for (int area = 1; area <= 8; ++area) {
        json["ControlPoints"].push_back(design.ControlPoints[area]);
    }
    json["ControlTotal"] = design.ControlTotal;
    json["Problems"] = nlohmann::json::array();
    for (const std::string& problem : design.Problems) {
        json["Problems"].push_back(JsonText(problem));
    }
    json["Advice"] = nlohmann::json::array();
    for (const Advice& line : DesignAdvice(design)) {
        json["Advice"].push_back({{"Section", line.section}, {"Text", JsonText(line.text)}});
    }
    json["Breakdown"] = BreakdownJson(DesignBreakdown(design));
    json["Slots"] = nlohmann::json::array();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        json["Slots"].push_back(SlotJson(design.Slots.ByNumber(slot)));
    }
    return json;
}

}  // namespace

int RunNew(const std::string& file, bool force, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> refused =
        force ? std::nullopt
              : ExistingOfAnotherKind(file, [](const std::string&) { return false; });
    if (refused) {
        err << TerminalMessage(*refused) << '\n';
        return kUsageError;
    }
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    NewDesign(session.design, session.catalog->Features());
    const Status saved = SaveDesign(session, AbsolutePath(file), Today());
    if (!saved) {
        err << TerminalMessage(saved.message()) << '\n';
        return kFileError;
    }
    PrintWarning(session.NotesProblem, err);
    PrintWarning(session.RecentFileProblem, err);
    out << "Wrote the new design to " << TerminalName(session.CurrentDesignPath)
        << ", its profile file " << TerminalName(ProfileFilePath(session.CurrentDesignPath))
        << " and its page " << TerminalName(session.LastPagePath) << '\n';
    return kDone;
}

int RunShow(const std::string& file, bool json, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenDesign(session, file, err)) {
        return OpenFailureCode(session);
    }
    if (json) {
        out << DesignJson(session.design).dump(2) << '\n';
    } else {
        PrintSummary(session, out);
    }
    return kDone;
}

int RunResave(const std::string& file, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    NewDesign(session.design, session.catalog->Features());
    // As in a batch run, the recent files stay as they are.
    session.RecentListFrozen = true;
    const std::string path = AbsolutePath(file);
    const Status loaded = LoadDesign(session, path);
    if (!loaded) {
        err << TerminalMessage(loaded.message()) << '\n';
        return kFileError;
    }
    Recalculate(session.design, session.catalog->Features());
    const Status saved = SaveDesign(session, path, Today());
    if (!saved) {
        err << TerminalMessage(saved.message()) << '\n';
        return kFileError;
    }
    PrintWarning(session.NotesProblem, err);
    out << "Saved " << TerminalName(session.CurrentDesignPath) << ", its profile file "
        << TerminalName(ProfileFilePath(session.CurrentDesignPath)) << " and its page "
        << TerminalName(session.LastPagePath) << '\n';
    if (session.design.DesignValid() == 0) {
        PrintProblems(session.design, out);
        return kProblemsFound;
    }
    return kDone;
}

}  // namespace korvane::cli
