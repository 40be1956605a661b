#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

namespace korvane::gui_test {

// The access keys of a window's shown captions that have one (buttons, check
// boxes and the labels of a buddy), each once: a key that two controls share
// reaches only the first. At least `at_least` of them.
inline ::testing::AssertionResult DistinctAccessKeys(const QWidget& window, int at_least = 0) {
    std::map<QChar, QString> keys;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy()) {
            text = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        }
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty()) {
            continue;
        }
        const QChar letter = key.back().toLower();
        if (keys.contains(letter)) {
            return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" and \""
                                                 << keys[letter].toStdString() << "\"";
        }
        keys[letter] = text;
    }
    if (static_cast<int>(keys.size()) < at_least) {
        return ::testing::AssertionFailure() << "only " << keys.size() << " access keys";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace korvane::gui_test
