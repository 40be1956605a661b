#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace korvane::gui_test {

// The child widget of that object name; a test fails when there is none.
template <typename Widget>
Widget& Child(QWidget& window, const QString& name) {
    auto* child = window.findChild<Widget*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return *child;
}

template <typename Widget>
Widget& Child(QWidget& window, const char* name) {
    return Child<Widget>(window, QString::fromLatin1(name));
}

}  // namespace korvane::gui_test
