#pragma once

#include <QWidget>

#include "ui/batch_window.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvane::gui {

// The batch window: the two run buttons in the frame "Bulk File Options", the
// progress text with a progress bar beside it, and "Done". During a run it
// repaints after every file and keeps the program responsive.
class BatchWindowView final : public QWidget {
    Q_OBJECT

public:
    explicit BatchWindowView(ui::BatchWindow& logic);
    ~BatchWindowView() override;

    // Copies the logic's state to the widgets.
    void Refresh();

signals:
    // "Done" has hidden the window.
    void done();
    // A run has ended with an error list for the text window.
    void errorListReady();
    // A run has ended; the session holds the last design it loaded.
    void runEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Run(void (ui::BatchWindow::*command)());

    ui::BatchWindow& logic_;
    QPushButton* resave_;
    QPushButton* resave_and_web_;
    QPushButton* done_;
    QLabel* progress_text_;
    QProgressBar* progress_bar_;
    bool busy_pointer_ = false;
    bool placed_ = false;
};

}  // namespace korvane::gui
