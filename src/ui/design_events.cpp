#include "ui/design_events.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "engine/breakdown.h"
#include "ui/editor_table.h"

namespace korvane::ui {

namespace {

// The slot that counts each item table, the tables in file order after the slots.
constexpr std::array<Slot, Design::kTableCount - 1> kSlotOfTable = {
    Slot::Sensors,    Slot::Communicators, Slot::Weapons,          Slot::Weapons,
    Slot::Screens,    Slot::Accommodation, Slot::SubordinateCraft, Slot::Environment,
    Slot::AntiHijack, Slot::CustomFeatures};

// The section whose editor counts a slot's figures in its share.
Section SectionOf(std::size_t slot) {
    const BreakdownSection counted = SectionOfSlot(static_cast<int>(slot));
    for (const EditorEntry& editor : Editors()) {
        if (editor.section &&
            std::ranges::find(editor.breakdown, counted) != editor.breakdown.end()) {
            return *editor.section;
        }
    }
    return Section::Other;
}

constexpr std::size_t kTotals = kSectionCount;

// The parts of each section, then those of the totals.
using PartMasks = std::array<DesignChange::Parts, kSectionCount + 1>;

PartMasks MakePartMasks() {
    PartMasks masks;
    const auto add = [&masks](std::size_t mask, std::size_t part) { masks[mask].set(part); };
    const auto of = [](Section section) { return static_cast<std::size_t>(section); };
    const auto shape = std::make_unique<const Design>();
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        const auto entries = shape->Table(table);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Section section =
                SectionOf(table == 0 ? i : static_cast<std::size_t>(kSlotOfTable[table - 1]));
            add(of(section), *design_parts::PartOf(*shape, entries[i]));
        }
    }
    using namespace design_parts;
    for (const std::size_t part : {kDesignRecordPart, kCapacityRecordPart}) {
        add(of(Section::Hull), part);
        add(kTotals, part);
    }
    for (const std::size_t part : {kControlPointsPart, kControlTotalPart, kControlRemainingPart}) {
        add(of(Section::Control), part);
    }
    add(of(Section::Weapons), kWeaponFactorsPart);
    add(of(Section::Weapons), kWeaponCountsPart);
    add(of(Section::Electronics), kSensorCodesPart);
    for (const std::size_t part : {kProblemsPart, kBlockProblemsPart, kDesignChangedPart}) {
        add(kTotals, part);
    }
    return masks;
}

const PartMasks& Masks() {
    static const PartMasks masks = MakePartMasks();
    return masks;
}

}  // namespace

DesignChange DesignChange::Of(Parts parts) {
    return DesignChange(parts.set(design_parts::kDesignChangedPart));
}

bool DesignChange::Touches(Section section) const {
    return (parts_ & Masks()[static_cast<std::size_t>(section)]).any();
}

bool DesignChange::TouchesTotals() const {
    return (parts_ & Masks()[kTotals]).any();
}

bool DesignChange::TouchesRecords(const Design& design,
                                  std::span<const ComponentRecord> records) const {
    if (records.empty()) {
        return false;
    }
    // A table's records are one run of parts.
    const std::optional<std::size_t> first = design_parts::PartOf(design, records.front());
    if (!first) {
        return All();
    }
    const std::size_t end = std::min(*first + records.size(), parts_.size());
    for (std::size_t part = *first; part < end; ++part) {
        if (parts_.test(part)) {
            return true;
        }
    }
    return false;
}

DesignSubscription::DesignSubscription(DesignEvents& events, DesignObserver& observer)
    : events_(&events), observer_(&observer) {
    events.Add(observer);
}

DesignSubscription::~DesignSubscription() {
    Leave();
}

DesignSubscription::DesignSubscription(DesignSubscription&& other) noexcept
    : events_(std::exchange(other.events_, nullptr)),
      observer_(std::exchange(other.observer_, nullptr)) {}

DesignSubscription& DesignSubscription::operator=(DesignSubscription&& other) noexcept {
    if (this != &other) {
        Leave();
        events_ = std::exchange(other.events_, nullptr);
        observer_ = std::exchange(other.observer_, nullptr);
    }
    return *this;
}

void DesignSubscription::Leave() {
    if (events_ != nullptr) {
        events_->Remove(*observer_);
        events_ = nullptr;
        observer_ = nullptr;
    }
}

void DesignEvents::Add(DesignObserver& observer) {
    observers_.push_back(&observer);
}

void DesignEvents::Remove(DesignObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

void DesignEvents::DesignChanged(const DesignChange& change) {
    // An observer may subscribe or leave while it is told (an editor that
    // closes); the list as it stood is walked, skipping those gone since.
    const std::vector<DesignObserver*> told = observers_;
    for (DesignObserver* observer : told) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
            observer->DesignUpdated(design_, change);
        }
    }
}

}  // namespace korvane::ui
