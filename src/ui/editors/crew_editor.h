#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/session.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/editors/accommodation_list.h"
#include "ui/editors/form_editor.h"
#include "ui/prompter.h"

namespace korvane::ui {

inline constexpr int kCrewPositions = 13;     // ten crew positions, then three passenger classes
inline constexpr int kFixablePositions = 10;  // the crew positions; passengers have no flag
inline constexpr int kTroopsPosition = 6;
inline constexpr int kRed = 255;

// The crew window: the crew positions and passengers, each with the default
// the recalculation computes and the actual figure the user sets (and may fix
// against "Accept defaults"); the accommodation list; and the environment
// (life support, gravity, inertial compensation, airlocks): a tick is stored
// at once, the typed airlocks by "Done" (or when the box is committed, under
// CommitPolicy::Immediate). Each is a step of the design document; the window
// shows the design after every change (an undo too), but for airlocks typed
// and not yet stored.
//
// The actual crew total, which the profile code and the printed profile read,
// is the sum of the ten crew positions and is stored with every change of them.
class CrewEditor : public DesignObserver {
public:
    CrewEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // Fills the window from the design; the accommodation catalog is listed
    // on the first filling only.
    void Fill();
    void DesignUpdated(const Design& design, const DesignChange& change) override;
    DesignDocument& Document() { return document_; }

    // The button of position 1–13: asks the new actual value and, for the crew
    // positions, whether to fix it. A closed input box changes nothing.
    void SetPosition(int position);
    // "Accept defaults": every crew position but "Troops" that is not fixed
    // takes its default. Passengers are not touched.
    void AcceptDefaults();
    void SetCommitPolicy(CommitPolicy policy) { policy_ = policy; }
    // A tick or a typed airlock count: the ticks are stored at once.
    void EnvironmentEdited();
    // The airlocks box confirmed by Enter or left: under the Immediate policy
    // the count is stored (a step "Set airlocks to 3"); repeated commits fold
    // into one step.
    CommitResult Commit(const TextBox& box);
    // "Done": stores the ticks and, unless they are stored as committed, the airlocks.
    void Done();

    std::string Caption;  // the title bar

    Label crew_frame{"Crew"};
    Label heading{"Default  Actual   Fixed?"};
    std::array<Button, kCrewPositions + 1> positions;  // 1–13
    std::array<Label, kCrewPositions + 1> values;      // 1–13, red below the default
    Label total;
    Button accept_defaults{"Accept de&faults"};
    Button done{"&Done"};

    AccommodationList accommodation;

    Label environment_frame{"Environment"};
    CheckBox heat_and_light{"Basic (&heat/light)"};
    CheckBox air_and_water{"Basic LS (ai&r/water)"};
    CheckBox food_and_recycling{"E&xt LS (food/recyc)"};
    CheckBox grav_plates{"&Grav plates"};
    CheckBox inertial_compensation{"I&nertial Comp"};
    Label airlocks_caption{"Air&locks"};
    TextBox airlocks;

private:
    void ShowCrew();
    // Shows the design's environment; the airlocks box keeps a count the user
    // typed unless `all`.
    void ShowEnvironment(bool all);
    void StoreFittings(Design& design);
    void StoreAirlocks(Design& design);
    // Applies `change` to the crew positions as the document's step `step`,
    // with the actual crew total that follows from them.
    void ChangeCrew(std::string step, const std::function<void(Design&)>& change);

    // The actual figure of a position, of a design or of the design of a change step.
    template <typename AnyDesign>
    static auto& Actual(AnyDesign& design, int position);
    std::string_view DefaultText(int position) const;
    char FixFlag(int position) const;
    static void SetFixFlag(Design& design, int position, bool fixed);

    const Design& design() const { return document_.design(); }

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    CommitPolicy policy_ = CommitPolicy::OnAccept;
    bool catalog_listed_ = false;
    std::string shown_airlocks_;  // the airlocks box as the design last filled it
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

}  // namespace korvane::ui
