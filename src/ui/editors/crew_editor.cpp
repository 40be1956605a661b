#include "ui/editors/crew_editor.h"

#include <utility>

#include "model/number_format.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

namespace {

constexpr int kFixFlagsField = 9;  // MISCSTR9 of the passenger slot: "Y" for a fixed position
constexpr int kTotalField = 10;    // MISCSTR10 (default) and MISCNUM10 (actual)
constexpr int kAirlocksEntry = 4;
constexpr std::size_t kLineWidth = 50;
constexpr std::size_t kDefaultColumn = 0;
constexpr std::size_t kActualColumn = 14;
constexpr std::size_t kFlagColumn = 24;
constexpr std::size_t kFigureWidth = 5;

// Writes `text` over the line from `column`, at most `width` characters; a
// never-set character (NUL) shows as a blank.
void Overwrite(std::string& line, std::size_t column, std::string_view text, std::size_t width) {
    for (std::size_t i = 0; i < text.size() && i < width; ++i) {
        line[column + i] = text[i] == '\0' ? ' ' : text[i];
    }
}

// "2             3         Y": the default, the actual value and the fix flag
// in their columns.
std::string CrewLine(std::string_view default_text, double actual, char flag) {
    std::string line(kLineWidth, ' ');
    Overwrite(line, kDefaultColumn, default_text, kFigureWidth);
    Overwrite(line, kActualColumn, PlainNumber(actual), kFigureWidth);
    Overwrite(line, kFlagColumn, std::string_view(&flag, 1), 1);
    return line;
}

}  // namespace

template <typename AnyDesign>
auto& CrewEditor::Actual(AnyDesign& design, int position) {
    auto& slots = design.Slots;
    return position <= kFixablePositions
               ? slots[Slot::Crew].MISCNUM[static_cast<std::size_t>(position)]
               : slots[Slot::PassengersAndCrewTotal]
                     .MISCNUM[static_cast<std::size_t>(position - 10)];
}

CrewEditor::CrewEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : Caption(AppTitle()),
      accommodation(session, document, prompter),
      session_(session),
      document_(document),
      prompter_(prompter) {
    const RuleTables& rules = InitRuleTables();
    for (int position = 1; position <= kCrewPositions; ++position) {
        positions[position].caption = rules.CrewCategoryNames[position];
    }
}

void CrewEditor::Fill() {
    if (!catalog_listed_) {
        accommodation.Load();
        catalog_listed_ = true;
    }
    ShowCrew();
    accommodation.Activate();
    ShowEnvironment(true);
}

void CrewEditor::SetPosition(int position) {
    if (position < 1 || position > kCrewPositions) {
        return;
    }
    const std::optional<std::string> answer =
        prompter_.AskText(AppTitle(), "New value for " + positions[position].caption,
                          PlainNumber(Actual(design(), position)));
    if (!answer) {
        return;
    }
    if (!answer->empty() && !StartsWithNumber(*answer)) {
        prompter_.ShowMessage(AppTitle(),
                              "\"" + *answer + "\" is not a number; " +
                                  positions[position].caption + " stays " +
                                  PlainNumber(Actual(design(), position)) + ".",
                              MessageIcon::Warning);
        return;
    }
    const double value = LeadingNumber(*answer);  // an empty answer clears the position
    std::optional<bool> fixed;
    if (position <= kFixablePositions) {
        // Enter keeps the position as it is: only a position marked "N" has No
        // as its default, a fixed or never-set one Yes.
        const DefaultAnswer keep =
            FixFlag(position) == 'N' ? DefaultAnswer::No : DefaultAnswer::Yes;
        fixed = prompter_.AskYesNo(AppTitle(), "Fix value?", MessageIcon::Information, keep);
    }
    ChangeCrew("Set " + positions[position].caption + " to " + PlainNumber(value),
               [&](Design& changed) {
                   Actual(changed, position) = value;
                   if (fixed) {
                       SetFixFlag(changed, position, *fixed);
                   }
               });
}

void CrewEditor::AcceptDefaults() {
    ChangeCrew("Crew defaults", [this](Design& changed) {
        for (int position = 1; position <= kFixablePositions; ++position) {
            if (position != kTroopsPosition && FixFlag(position) != 'Y') {
                Actual(changed, position) = LeadingNumber(DefaultText(position));
            }
        }
    });
}

void CrewEditor::EnvironmentEdited() {
    document_.Change("Environment", [this](Design& changed) { StoreFittings(changed); });
}

CommitResult CrewEditor::Commit(const TextBox& box) {
    if (&box != &airlocks || policy_ != CommitPolicy::Immediate) {
        return CommitResult::Unchanged;
    }
    if (!airlocks.text.empty() && !StartsWithNumber(airlocks.text)) {
        return CommitResult::NotANumber;
    }
    const bool stored = document_.Change(
        "Set airlocks to " + PlainNumber(LeadingNumber(airlocks.text)),
        [this](Design& changed) { StoreAirlocks(changed); }, "crew:airlocks");
    ShowEnvironment(true);
    return stored ? CommitResult::Stored : CommitResult::Unchanged;
}

// Airlocks typed as text that is no number keep their count, with a word why.
void CrewEditor::Done() {
    const bool store_airlocks = policy_ == CommitPolicy::OnAccept;
    const bool airlocks_readable = airlocks.text.empty() || StartsWithNumber(airlocks.text);
    if (store_airlocks && !airlocks_readable) {
        prompter_.ShowMessage(AppTitle(),
                              "\"" + airlocks.text + "\" is not a number; the airlocks stay " +
                                  PlainNumber(design().Environment[kAirlocksEntry].NUMBER) + ".",
                              MessageIcon::Warning);
    }
    document_.Change("Environment", [&](Design& changed) {
        StoreFittings(changed);
        if (store_airlocks && airlocks_readable) {
            StoreAirlocks(changed);
        }
    });
    ShowEnvironment(true);
}

void CrewEditor::DesignUpdated(const Design&, const DesignChange&) {
    if (catalog_listed_) {
        ShowCrew();
        ShowEnvironment(false);
    }
}

void CrewEditor::StoreFittings(Design& design) {
    const std::array<std::pair<int, const CheckBox*>, 5> fitted = {{{1, &heat_and_light},
                                                                    {2, &air_and_water},
                                                                    {3, &food_and_recycling},
                                                                    {5, &grav_plates},
                                                                    {6, &inertial_compensation}}};
    auto& environment = design.Environment;
    for (const auto& [entry, box] : fitted) {
        ComponentRecord& item = environment[static_cast<std::size_t>(entry)];
        if (!box->checked) {
            item.NUMBER = 0;
            continue;
        }
        // A design that never had this entry filled gets the catalog's row, so
        // that a ticked box fits something; a fitted per-kl entry keeps the
        // volume it serves.
        if (IsEmptyEntry(item)) {
            item = session_.catalog->Features().LookupComponent("EN", entry);
        }
        if (!(item.NUMBER > 0)) {
            item.NUMBER = 1;
        }
    }
}

// The airlocks box holds a number (or nothing, no airlocks): it was checked before.
void CrewEditor::StoreAirlocks(Design& design) {
    ComponentRecord& airlock = design.Environment[kAirlocksEntry];
    const double locks = LeadingNumber(airlocks.text);
    if (locks > 0 && IsEmptyEntry(airlock)) {
        airlock = session_.catalog->Features().LookupComponent("EN", kAirlocksEntry);
    }
    airlock.NUMBER = locks > 0 ? locks : 0;
}

void CrewEditor::ShowCrew() {
    double actual_total = 0;
    for (int position = 1; position <= kCrewPositions; ++position) {
        const double actual = Actual(design(), position);
        const char flag = position <= kFixablePositions ? FixFlag(position) : ' ';
        values[position].caption = CrewLine(DefaultText(position), actual, flag);
        values[position].colour = LeadingNumber(DefaultText(position)) > actual ? kRed : 0;
        if (position <= kFixablePositions) {
            actual_total += actual;
        }
    }
    total.caption =
        CrewLine(design().Slots[Slot::PassengersAndCrewTotal].MISCSTR[kTotalField].view(),
                 actual_total, ' ');
}

void CrewEditor::ShowEnvironment(bool all) {
    const auto& environment = design().Environment;
    heat_and_light.checked = environment[1].NUMBER != 0;
    air_and_water.checked = environment[2].NUMBER != 0;
    food_and_recycling.checked = environment[3].NUMBER != 0;
    grav_plates.checked = environment[5].NUMBER != 0;
    inertial_compensation.checked = environment[6].NUMBER != 0;
    if (all || airlocks.text == shown_airlocks_) {
        airlocks.text = PlainNumber(environment[kAirlocksEntry].NUMBER);
        shown_airlocks_ = airlocks.text;
    }
}

void CrewEditor::ChangeCrew(std::string step, const std::function<void(Design&)>& change) {
    document_.Change(std::move(step), [&change](Design& changed) {
        change(changed);
        double actual_total = 0;
        for (int position = 1; position <= kFixablePositions; ++position) {
            actual_total += Actual(changed, position);
        }
        changed.Slots[Slot::PassengersAndCrewTotal].MISCNUM[kTotalField] = actual_total;
    });
}

std::string_view CrewEditor::DefaultText(int position) const {
    const auto& slots = design().Slots;
    return position <= kFixablePositions
               ? slots[Slot::Crew].MISCSTR[static_cast<std::size_t>(position)].view()
               : slots[Slot::PassengersAndCrewTotal]
                     .MISCSTR[static_cast<std::size_t>(position - 10)]
                     .view();
}

char CrewEditor::FixFlag(int position) const {
    return design()
        .Slots[Slot::PassengersAndCrewTotal]
        .MISCSTR[kFixFlagsField][static_cast<std::size_t>(position - 1)];
}

void CrewEditor::SetFixFlag(Design& design, int position, bool fixed) {
    // Only this position's flag: the others, set or never set, stay as the file had them.
    auto& flags = design.Slots[Slot::PassengersAndCrewTotal].MISCSTR[kFixFlagsField];
    flags[static_cast<std::size_t>(position - 1)] = fixed ? 'Y' : 'N';
}

}  // namespace korvane::ui
