#include "reports/feature_list.h"

#include "model/number_format.h"
#include "model/program_identity.h"
#include "model/rule_tables.h"

namespace korvane {

namespace {

constexpr double kKlPerDeckPlanSquare = 6.75;

// Whole numbers grouped by thousands; a value that rounds to 0 prints nothing.
std::string Whole(double x) {
    return FormatPattern(x, "#,###,###,###");
}

}  // namespace

std::string FeatureList(const Design& design) {
    const RuleTables& rules = InitRuleTables();
    std::string text = std::string("Feature List") + NewLine + NewLine;
    for (int i = 1; i <= kSlotCount; ++i) {
        const ComponentRecord& slot = design.Slots.ByNumber(i);
        std::string name = rules.SlotLabels[i];
        name.resize(15, ' ');
        const char usp = slot.USP.first() == '\0' ? ' ' : slot.USP.first();

        text += FormatPattern(i, "00") + " " + name + " " + NewLine;
        text += "    " + Whole(slot.KL) + " KL" + NewLine;
        text += "    " + Whole(slot.KL / kKlPerTon) + " d-Tons" + NewLine;
        text += "    " + Whole(slot.TONS) + " Tons " + NewLine;
        text += "    " + Whole(slot.MW) + " MW " + NewLine;
        text += "    Cr" + Whole(slot.CR) + NewLine;
        text += std::string("    USP ") + usp + NewLine;
        text += "    " + Whole(slot.KL / kKlPerDeckPlanSquare) + " deck plan squares" + NewLine;
    }
    return text;
}

}  // namespace korvane
