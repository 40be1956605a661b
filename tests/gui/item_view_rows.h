#pragma once

// Rows of a list or a table as the user reaches them.

#include <QAbstractItemView>
#include <QString>
#include <QTest>

namespace korvane::gui_test {

// The number of rows of a list or table, and the text of a row's first column.
inline int RowCount(const QAbstractItemView& view) {
    return view.model()->rowCount();
}
inline QString RowText(const QAbstractItemView& view, int row) {
    return view.model()->index(row, 0).data().toString();
}

// Moves to `row` of a list or table as the arrow keys do.
inline void SelectRow(QAbstractItemView& view, int row) {
    view.setCurrentIndex(view.model()->index(row, 0));
}

// Enter on `row` of a list or table.
inline void PressEnterOn(QAbstractItemView& view, int row) {
    SelectRow(view, row);
    QTest::keyClick(&view, Qt::Key_Return);
}

}  // namespace korvane::gui_test
