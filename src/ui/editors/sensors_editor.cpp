#include "ui/editors/sensors_editor.h"

#include <cmath>
#include <string>

namespace korvane::ui {

namespace {

// The densitometers from this id on are the ones graded by tech level; id 1
// is the basic one, fitted at tech level 10 exactly.
constexpr int kGradedDensitometers = 10;
constexpr int kBasicDensitometerTechLevel = 10;

struct DefaultSensor {
    const char* code;
    int id;
};
// The active EMS, the passive EMS and the visual suite of the defaults.
constexpr DefaultSensor kDefaultSuite[] = {{"SA", 6}, {"SA", 12}, {"SV", 5}};

constexpr const char* kScanPositions[] = {"AOS", "AOP", "POS", "POP", "PES", "PEP"};

}  // namespace

SensorsEditor::SensorsEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Sensors",
                  .catalog_codes = {"SA", "SV", "SD", "SN", "SM"},
                  .modify_caption = "Modify Sensors"}) {}

void SensorsEditor::Activate() {
    ListEditor::Activate();
    scan_results.caption.clear();
    for (std::size_t k = 0; k < std::size(kScanPositions); ++k) {
        scan_results.caption +=
            std::string("  ") + kScanPositions[k] + "=" + design().SensorCodes[k + 1];
    }
}

bool SensorsEditor::Concerns(const DesignChange& change) {
    return change.Touches(Section::Electronics);
}

void SensorsEditor::InstallDefaults() {
    if (const std::optional<int> count = AskUpToTen("Install how many?")) {
        ShowFailure(InstallDefaults(*count));
    }
}

Status SensorsEditor::InstallDefaults(double count) {
    if (!(count > 0) || !std::isfinite(count)) {
        return Error{"The number of each default sensor must be above 0."};
    }
    const std::optional<int> first = NextFreeEntry();
    if (!first) {
        return MaximumReached();
    }
    Apply("Sensor defaults", [&] { FillDefaultSuite(*first, count); });
    return {};
}

void SensorsEditor::FillDefaultSuite(int first, double n) {
    std::optional<int> entry = first;
    for (const DefaultSensor& key : kDefaultSuite) {
        const ComponentRecord& row = catalog().LookupComponent(key.code, key.id);
        if (IsEmptyEntry(row)) {
            continue;  // a catalog without this row: nothing to install
        }
        InstallInto(*entry, row, n);
        entry = NextFreeEntry(*entry);
        if (!entry) {
            return;
        }
    }

    // Where no densitometer or neutrino sensor fits the tech level, the entry
    // keeps the label saying so and stays free.
    Entries()[static_cast<std::size_t>(*entry)].LABEL = "No densitometer";
    if (design().DesignTL() == kBasicDensitometerTechLevel) {
        const ComponentRecord& basic = catalog().LookupComponent("SD", 1);
        if (!IsEmptyEntry(basic)) {
            InstallInto(*entry, basic, n);
        }
    } else {
        InstallBestUpToTechLevel(*entry, "SD", kGradedDensitometers, n);
    }
    entry = NextFreeEntry(*entry);
    if (entry) {
        Entries()[static_cast<std::size_t>(*entry)].LABEL = "No Neutrino";
        InstallBestUpToTechLevel(*entry, "SN", 1, n);
    }
}

void SensorsEditor::InstallInto(int entry, const ComponentRecord& row, double count) {
    ComponentRecord& sensor = Entries()[static_cast<std::size_t>(entry)];
    sensor = row;
    sensor.NUMBER = count;
    sensor.TL = design().DesignTL();
}

void SensorsEditor::InstallBestUpToTechLevel(int entry, std::string_view code, int first_id,
                                             double count) {
    Catalog& rows = catalog();
    for (const ComponentRecord* row = &rows.LookupComponent(code, first_id);
         !rows.NoMatch() && row->TABLE == code && row->TL <= design().DesignTL();
         row = &rows.ReadCatalogRecord()) {
        InstallInto(entry, *row, count);
        rows.MoveNext();
    }
}

}  // namespace korvane::ui
