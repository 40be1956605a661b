#include "gui/modal_watchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane::gui_test {

namespace {

constexpr int kCheckIntervalMs = 20;
constexpr int kLongestWaitMs = 5000;
constexpr int kLongestAnswerMs = 3000;

std::string Describe(const QWidget& dialog) {
    std::string description = dialog.metaObject()->className();
    description += " \"" + dialog.windowTitle().toStdString() + "\"";
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
        description += ": " + box->text().toStdString();
    }
    return description;
}

void Close(QWidget& dialog) {
    if (auto* modal = qobject_cast<QDialog*>(&dialog)) {
        modal->reject();
    } else {
        dialog.close();
    }
}

}  // namespace

ModalWatchdog::ModalWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(kCheckIntervalMs);
}

ModalWatchdog::~ModalWatchdog() {
    EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected dialog(s) never opened";
}

void ModalWatchdog::Expect(Answer answer) {
    expected_.push_back(std::move(answer));
}

// The answer runs from the event loop rather than from this timer, so that a
// dialog it opens in turn is watched too.
void ModalWatchdog::Check() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) {
        seen_ = nullptr;
        return;
    }
    if (dialog == seen_) {
        if (seen_for_.elapsed() > kLongestAnswerMs) {
            ADD_FAILURE() << "the answer left the dialog open: " << Describe(*dialog);
            seen_for_.restart();
            QTimer::singleShot(0, dialog, [dialog] { Close(*dialog); });
        }
        return;
    }
    seen_ = dialog;
    seen_for_.restart();
    dialog->installEventFilter(this);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected modal dialog " << Describe(*dialog);
        QTimer::singleShot(0, dialog, [dialog] { Close(*dialog); });
        return;
    }
    Answer answer = std::move(expected_.front());
    expected_.pop_front();
    ++answered_;
    QTimer::singleShot(0, dialog, [dialog, answer] { answer(*dialog); });
}

bool ModalWatchdog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == seen_) {
        watched->removeEventFilter(this);
        seen_ = nullptr;
    }
    return false;
}

ModalWatchdog::Answer PressKey(int key) {
    return [key](QWidget& dialog) {
        QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}

ModalWatchdog::Answer ClickButton(const QString& text) {
    return [text](QWidget& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->text().remove(QLatin1Char('&')) == text) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button \"" << text.toStdString() << "\" in " << Describe(dialog);
        Close(dialog);
    };
}

ModalWatchdog::Answer CloseDialog() {
    return [](QWidget& dialog) { Close(dialog); };
}

ModalWatchdog::Answer ChoosePath(const QString& path) {
    return [path](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (files == nullptr) {
            ADD_FAILURE() << "expected a file dialog, not " << Describe(dialog);
            Close(dialog);
            return;
        }
        if (files->fileMode() == QFileDialog::Directory) {
            files->setDirectory(path);
        } else {
            // Typed as the user would: selectFile leaves a name box that has the focus alone.
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        }
        static_cast<QDialog*>(files)->accept();
    };
}

bool WaitUntil(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, kLongestWaitMs);
}

}  // namespace korvane::gui_test
