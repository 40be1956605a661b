#include "ui/design_events.h"

#include <algorithm>
#include <utility>

namespace korvane::ui {

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

void DesignEvents::DesignChanged() {
    // An observer may subscribe or leave while it is told (an editor that
    // closes); the list as it stood is walked, skipping those gone since.
    const std::vector<DesignObserver*> told = observers_;
    for (DesignObserver* observer : told) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
            observer->DesignUpdated(design_);
        }
    }
}

}  // namespace korvane::ui
