#include "ui/editors/weapon_factors_panel.h"

#include <string>

#include "engine/digit_codes.h"
#include "model/number_format.h"
#include "model/rule_tables.h"

namespace korvane::ui {

namespace {

constexpr std::size_t kWeaponTypes = 12;
constexpr std::size_t kTurretColumn = 1;
constexpr std::size_t kBayColumn = 2;
constexpr std::size_t kSpinalColumn = 3;

void AppendLine(Label& label, const std::string& line) {
    if (!label.caption.empty()) {
        label.caption += '\n';
    }
    label.caption += line;
}

std::string FactorAndCount(const Design& design, std::size_t type, std::size_t column) {
    return EncodeDigit(design.WeaponFactors[type][column]) + "/" +
           PlainNumber(design.WeaponCounts[type][column]);
}

}  // namespace

void WeaponFactorsPanel::Show(const Design& design) {
    names.caption.clear();
    turrets.caption.clear();
    bays.caption.clear();
    spinal.caption.clear();
    const RuleTables& rules = InitRuleTables();
    for (std::size_t type = 1; type <= kWeaponTypes; ++type) {
        const auto& factors = design.WeaponFactors[type];
        if (factors[kTurretColumn] == 0 && factors[kBayColumn] == 0 &&
            factors[kSpinalColumn] == 0) {
            continue;
        }
        AppendLine(names, rules.WeaponTypeNames[type]);
        AppendLine(turrets, FactorAndCount(design, type, kTurretColumn));
        AppendLine(bays, FactorAndCount(design, type, kBayColumn));
        AppendLine(spinal, FactorAndCount(design, type, kSpinalColumn));
    }
}

}  // namespace korvane::ui
