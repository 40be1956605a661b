#include "ui/design_events.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace korvane::ui {
namespace {

// Writes its name into a shared log when told, and runs `then` afterwards.
class LoggingObserver final : public DesignObserver {
public:
    LoggingObserver(std::string name, std::string& log) : name_(std::move(name)), log_(log) {}

    void DesignUpdated(const Design&, const DesignChange&) override {
        log_ += name_ + ";";
        if (then) {
            then();
        }
    }

    std::function<void()> then;

private:
    std::string name_;
    std::string& log_;
};

class DesignEventsTest : public ::testing::Test {
protected:
    Design design_;
    DesignEvents events_{design_};
    std::string log_;
};

TEST_F(DesignEventsTest, ObserversAreToldInTheOrderTheySubscribedUntilTheyLeave) {
    LoggingObserver logic("logic", log_);
    LoggingObserver view("view", log_);
    DesignSubscription first = events_.Subscribe(logic);
    std::optional<DesignSubscription> second(events_.Subscribe(view));
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "logic;view;");

    second.reset();
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "logic;view;logic;");
}

TEST_F(DesignEventsTest, AMovedSubscriptionStaysOnTheListOnce) {
    LoggingObserver editor("editor", log_);
    DesignSubscription kept;
    {
        DesignSubscription made = events_.Subscribe(editor);
        kept = std::move(made);
    }
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "editor;");

    kept = DesignSubscription();
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "editor;");
}

TEST_F(DesignEventsTest, ObserversMayLeaveOrJoinWhileTheyAreTold) {
    LoggingObserver closing("closing", log_);
    LoggingObserver closed("closed", log_);
    LoggingObserver opened("opened", log_);
    DesignSubscription closing_place = events_.Subscribe(closing);
    std::optional<DesignSubscription> closed_place(events_.Subscribe(closed));
    std::optional<DesignSubscription> opened_place;
    // The first observer closes the second window and opens a third.
    closing.then = [&] {
        closed_place.reset();
        if (!opened_place) {
            opened_place.emplace(events_.Subscribe(opened));
        }
    };
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "closing;");
    events_.DesignChanged(DesignChange::Everything());
    EXPECT_EQ(log_, "closing;closing;opened;");
}

}  // namespace
}  // namespace korvane::ui
