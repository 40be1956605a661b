#pragma once

#include <bitset>
#include <span>
#include <vector>

#include "model/design.h"
#include "model/design_parts.h"
#include "ui/section.h"

namespace korvane::ui {

// What a design-changed notice says changed: the parts of the design that a
// step, an undo or a redo touched, or everything (a new design, a load, a
// save, a design replaced), so that a view may pass over a notice that does
// not concern what it shows.
class DesignChange {
public:
    using Parts = std::bitset<design_parts::kPartCount>;

    static DesignChange Everything() { return DesignChange(Parts().set()); }
    // The parts numbered in `parts` (see design_parts), and the changed mark.
    static DesignChange Of(Parts parts);

    bool All() const { return parts_.all(); }
    // Whether a part of the section changed: its slots, its item tables and
    // the working values its editor shows. The ship's name and tech level
    // belong to the hull.
    bool Touches(Section section) const;
    // Whether the totals and status changed: the design-wide records, the
    // problems, the validity and the changed mark.
    bool TouchesTotals() const;
    // Whether any of `records`, a run of entries of one table of `design`, changed.
    bool TouchesRecords(const Design& design, std::span<const ComponentRecord> records) const;

private:
    explicit DesignChange(Parts parts) : parts_(parts) {}

    Parts parts_;
};

// A window that shows the current design and follows its changes.
class DesignObserver {
public:
    virtual ~DesignObserver() = default;

    // The design has changed: loaded, saved, recalculated, made new or edited,
    // as `change` tells. An observer only reads: the design is settled (its
    // validity and problems too) before anyone is told.
    virtual void DesignUpdated(const Design& design, const DesignChange& change) = 0;

protected:
    // An observer is a window with its place on the list: it is neither copied nor moved.
    DesignObserver() = default;
    DesignObserver(const DesignObserver&) = delete;
    DesignObserver& operator=(const DesignObserver&) = delete;
};

class DesignEvents;

// An observer's place on the list: it leaves the list when this ends, so a
// window that is gone is never told.
class DesignSubscription {
public:
    DesignSubscription() = default;
    DesignSubscription(DesignEvents& events, DesignObserver& observer);
    ~DesignSubscription();
    DesignSubscription(DesignSubscription&& other) noexcept;
    DesignSubscription& operator=(DesignSubscription&& other) noexcept;
    DesignSubscription(const DesignSubscription&) = delete;
    DesignSubscription& operator=(const DesignSubscription&) = delete;

private:
    void Leave();

    DesignEvents* events_ = nullptr;
    DesignObserver* observer_ = nullptr;
};

// The design-changed notice of the design document (DesignDocument), which
// alone sends it; every window that shows the design refreshes from it.
// Observers are told in the order they subscribed, so the window logic, made
// before its views, is up to date when a view copies it.
class DesignEvents {
public:
    explicit DesignEvents(const Design& design) : design_(design) {}
    DesignEvents(const DesignEvents&) = delete;
    DesignEvents& operator=(const DesignEvents&) = delete;

    [[nodiscard]] DesignSubscription Subscribe(DesignObserver& observer) {
        return DesignSubscription(*this, observer);
    }

    // Tells every observer. An observer that subscribes while they are told
    // hears from the next notice on; one that leaves is not told any more.
    void DesignChanged(const DesignChange& change);

private:
    friend class DesignSubscription;
    void Add(DesignObserver& observer);
    void Remove(DesignObserver& observer);

    const Design& design_;
    std::vector<DesignObserver*> observers_;
};

}  // namespace korvane::ui
