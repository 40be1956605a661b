#pragma once

#include <vector>

#include "model/design.h"

namespace korvane::ui {

// A window that shows the current design and follows its changes.
class DesignObserver {
public:
    virtual ~DesignObserver() = default;

    // The design has changed: loaded, saved, recalculated, made new or edited.
    // The design is writable because showing its status settles its validity
    // and problem list (the totals window does that); nothing else is changed.
    virtual void DesignUpdated(Design& design) = 0;

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
    explicit DesignEvents(Design& design) : design_(design) {}
    DesignEvents(const DesignEvents&) = delete;
    DesignEvents& operator=(const DesignEvents&) = delete;

    [[nodiscard]] DesignSubscription Subscribe(DesignObserver& observer) {
        return DesignSubscription(*this, observer);
    }

    // Tells every observer. An observer that subscribes while they are told
    // hears from the next notice on; one that leaves is not told any more.
    void DesignChanged();

private:
    friend class DesignSubscription;
    void Add(DesignObserver& observer);
    void Remove(DesignObserver& observer);

    Design& design_;
    std::vector<DesignObserver*> observers_;
};

}  // namespace korvane::ui
