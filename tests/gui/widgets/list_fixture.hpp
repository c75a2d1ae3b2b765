// SPDX-License-Identifier: MIT
#pragma once
// A list control shown in a window beside a field that can take the focus away, over rows
// of texts held by the test.

#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include "window_test_support.hpp"

#include <QFont>
#include <QLineEdit>
#include <QWidget>

#include <string>
#include <vector>

namespace rheo::testing {

using Rows = std::vector<std::size_t>;

// Liberation Sans at a fixed pixel size: the same text widths on every machine.
QFont fixedListFont();

// `count` rows "row 0", "row 1", ... in a single column.
std::vector<std::vector<std::string>> numberedRows(std::size_t count);

class ShownList {
public:
    ShownList(std::vector<ListColumn> columns, std::vector<std::vector<std::string>> rows);

    // Gives the list, or the field beside it, the keyboard focus; false when the window could
    // not be activated.
    bool focusList();
    void focusOther();
    QRect cellRect(int row, int column) const { return list->visualRect(model.index(row, column)); }

    std::vector<std::vector<std::string>> rows;
    RowTextsModel model;
    QWidget window;
    CExtendedListCtrl* list;
    QLineEdit* other;
};

} // namespace rheo::testing
