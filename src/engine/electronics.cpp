#include "engine/electronics.h"

#include <cmath>
#include <string>
#include <string_view>

#include "engine/block_support.h"

namespace korvane::engine {

namespace {

constexpr std::string_view kSensorRank = "-IFDRS";
constexpr std::string_view kZeroTechLevel = "Sensors and communicators were sized at tech level 0";

// Position of a sensor letter in "-IFDRS" (1–6), 0 for any other character.
std::size_t Rank(char c) {
    const auto position = kSensorRank.find(c);
    return position == std::string_view::npos ? 0 : position + 1;
}

// The six scan letters of a sensor; "--*---" stands for the letter of the design's tech level.
std::string ScanLetters(const ComponentRecord& sensor, int designTL) {
    std::string letters(sensor.MISCSTR[1].view().substr(0, 6));
    if (letters == "--*---") {
        if (designTL <= 11) {
            letters = "--F---";
        } else if (designTL <= 13) {
            letters = "--D---";
        } else if (designTL <= 17) {
            letters = "--R---";
        } else {
            letters = "--S---";
        }
    }
    return letters;
}

// The range score a passive EMS sets (replacing the score so far), or −1.
double PassiveEmsRange(std::string_view label) {
    if (label.find("P-EMS") == std::string_view::npos) {
        return -1;
    }
    const std::string_view kind = label.substr(7, 4);
    if (kind == "VDis")
        return 2;
    if (kind == "Cont")
        return 4;
    if (kind == "IntP")
        return 12;
    if (kind == "SubS")
        return 14;
    if (kind == "IntS")
        return 18;
    return -1;
}

// The range score every sensor adds from the 3 characters at label position 13.
double RangeAdded(std::string_view label) {
    const std::string_view range = label.substr(12, 3);
    if (range == "1 G")
        return 1;
    if (range == "1 M")
        return 2;
    if (range == "100")
        return 4;
    if (range == "10 ")
        return 6;
    if (range == "1 K")
        return 10;
    return 0;
}

}  // namespace

void RecalculateElectronics(Design& design) {
    BlockProblems problems(design, ProblemSource::Electronics);
    auto& slots = design.Slots;
    const int designTL = design.DesignTL();

    // Sensors.
    ClearSlot(design, Slot::Sensors);
    for (std::size_t j = 1; j <= 6; ++j) {
        design.SensorCodes[j] = "-";
    }
    double R = 0;
    for (std::size_t i = 1; i <= kSensorsMax; ++i) {
        const ComponentRecord& sensor = design.Sensors[i];
        if (!Counts(sensor)) {
            continue;
        }
        const std::string_view label = sensor.LABEL.view();
        double w = 1;
        if (sensor.LABEL.contains("EMS")) {
            w = std::abs(problems.Divide(sensor.TL, designTL, kZeroTechLevel));
        }
        AddScaled(slots[Slot::Sensors], sensor, w);

        const std::string letters = ScanLetters(sensor, designTL);
        for (std::size_t j = 1; j <= 6; ++j) {
            const char c = letters[j - 1];
            if (Rank(design.SensorCodes[j][0]) < Rank(c)) {
                design.SensorCodes[j] = std::string(1, c);
            }
        }

        const double passive = PassiveEmsRange(label);
        if (passive >= 0) {
            R = passive;
        }
        R += RangeAdded(label);
    }
    if (R < 1) {
        if (design.SensorCodes[5] == "-") {
            design.SensorCodes[5] = "I";
        }
    } else if (R <= 2) {
        design.SensorCodes[5] = "F";
    } else if (R <= 5) {
        design.SensorCodes[5] = "D";
    } else if (R <= 11) {
        design.SensorCodes[5] = "R";
    } else {
        design.SensorCodes[5] = "S";
    }

    // Communicators, weighted by their tech level against the design's.
    ClearSlot(design, Slot::Communicators);
    for (std::size_t i = 1; i <= kCommunicatorsMax; ++i) {
        const ComponentRecord& commo = design.Communicators[i];
        if (!Counts(commo)) {
            continue;
        }
        const double w = std::abs(problems.Divide(commo.TL, designTL, kZeroTechLevel));
        AddScaled(slots[Slot::Communicators], commo, w);
    }

    // EM masking.
    ComponentRecord& masking = slots[Slot::EmMask];
    if (masking.NUMBER != 1) {
        masking.KL = 0;
        masking.TONS = 0;
        masking.MW = 0;
        masking.CR = 0;
    } else {
        const double hullKL = design.HullKL();
        masking.KL = hullKL * 0.02;
        masking.TONS = hullKL * 0.01;
        masking.MW = hullKL * 0.001;
        masking.CR = hullKL * 5000;
    }

    // Avionics.
    slots[Slot::Avionics].NUMBER = slots[Slot::Avionics].CR > 0 ? 1 : 0;
}

}  // namespace korvane::engine
