#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/session.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/editors/accommodation_list.h"
#include "ui/editors/parent_window.h"
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
// at once, the typed airlocks by "Done". Each is a step of the design
// document; the window shows the design after every change (an undo too).
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
    // A tick or a typed airlock count: the ticks are stored at once.
    void EnvironmentEdited();
    // "Done": stores the ticks and the airlocks.
    ParentWindow Done();

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
    void ShowEnvironment();
    void StoreFittings();
    void StoreAirlocks();
    // Applies `change` to the crew positions as the document's step `step`,
    // with the actual crew total that follows from them.
    void ChangeCrew(std::string step, const std::function<void()>& change);

    double& Actual(int position);
    std::string_view DefaultText(int position) const;
    char FixFlag(int position) const;
    void SetFixFlag(int position, bool fixed);

    Design& design() { return session_.design; }
    const Design& design() const { return session_.design; }

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    bool catalog_listed_ = false;
    std::optional<double> shown_airlocks_;  // the design's airlocks when the box was last filled
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

}  // namespace korvane::ui
