#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

#include "app/configuration.h"
#include "app/window_places.h"
#include "model/result.h"

class QWidget;

namespace korvane::gui {

// Puts the program's windows on the desktop. A window is shown where it was
// left in the last run while the screens are as they were, otherwise first
// beside the totals window, the pair centred on the screen. The totals window
// comes beside whichever window comes into use (it has no place of its own),
// and an editor that comes into use where the totals could not stand beside
// it moves to leave them room, so that no editor opens over them.
// Every window is kept wholly on its screen, as large as the screen at most.
// Where the windows were left is kept in the configuration folder.
class WindowPlacer final : public QObject {
public:
    // Reads the places kept in `places`' configuration folder and watches
    // every window of the program from now on.
    WindowPlacer(const ConfigurationPlaces& places, QWidget& totals);
    // Keeps where the windows were left.
    ~WindowPlacer() override;

    // Writes where every window shown so far stands, or stood when it was
    // hidden; nothing when that is what the file holds already.
    Status Save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's place on its first showing: where it was left, or beside
    // the totals window.
    void PlaceFirst(QWidget& window);
    // An editor shown where the totals could stand beside it on neither side
    // moves (and narrows, as far as it can) to leave them room; the other
    // windows come back where the user left them.
    void MakeRoomForTotals(QWidget& window);
    // The totals window beside `in_use`.
    void PlaceTotalsBeside(const QWidget& in_use);
    void KeepOnScreen(QWidget& window);
    void Remember(const QWidget& window);
    bool ShownBefore(const QWidget& window) const;

    ConfigurationPlaces places_;
    QWidget& totals_;
    WindowPlaces kept_;
    WindowPlaces saved_;                    // what the file holds
    std::vector<QPointer<QWidget>> shown_;  // every window placed, while it lives
};

}  // namespace korvane::gui
