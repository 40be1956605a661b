#pragma once

#include <QWidget>

#include <array>

#include "ui/form1.h"

class QLabel;
class QToolButton;

namespace korvane::gui {

class FormhWindow;

// The main window: the program's title over two frames of picture buttons,
// "Design Options" and "Post-design Options", each button with its label
// beside it and its shortcut, and "About". A click runs the main window's
// logic; what the logic asks for next (the text window, the batch window,
// the about box, the end of the program) is signalled. After every command
// the title and the totals window show the design as it now stands.
class Form1Window final : public QWidget {
    Q_OBJECT

public:
    Form1Window(ui::Form1& logic, FormhWindow& totals);

    // Copies the logic's state to the widgets: title, buttons, labels, totals.
    void Refresh();

    QToolButton* Button(ui::ButtonArray array, int index) const;

signals:
    void textWindowRequested();
    void batchWindowRequested();
    void aboutRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Click(ui::ButtonArray array, int index);
    void Carry(ui::Form1Request request);
    void FollowWindowState();

    ui::Form1& logic_;
    FormhWindow& totals_;
    std::array<QToolButton*, 13> command3d1_{};
    std::array<QLabel*, 13> command3d1_labels_{};
    std::array<QToolButton*, 8> command3d2_{};
    std::array<QLabel*, 8> command3d2_labels_{};
    bool placed_ = false;
};

}  // namespace korvane::gui
