// SPDX-License-Identifier: MIT
#include "list_fixture.hpp"

#include <QVBoxLayout>

namespace rheo::testing {

QFont fixedListFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

std::vector<std::vector<std::string>> numberedRows(std::size_t count) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < count; ++i)
        rows.push_back({"row " + std::to_string(i)});
    return rows;
}

ShownList::ShownList(std::vector<ListColumn> columns,
                     std::vector<std::vector<std::string>> rowTexts)
    : rows(std::move(rowTexts)), model(
                                     std::move(columns), [this] { return rows.size(); },
                                     [this](std::size_t row) { return rows[row]; }),
      list(new CExtendedListCtrl(&window)), other(new QLineEdit(&window)) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->setFont(fixedListFont());
    list->setModel(&model);
    list->setColumns(model.columns());
    window.resize(520, 260);
    window.show();
    QApplication::processEvents();
}

bool ShownList::focusList() {
    if (!showActive(window))
        return false;
    list->setFocus();
    QApplication::processEvents();
    return list->hasFocus();
}

void ShownList::focusOther() {
    other->setFocus();
    QApplication::processEvents();
}

} // namespace rheo::testing
