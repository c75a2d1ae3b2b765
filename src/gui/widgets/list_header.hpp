// SPDX-License-Identifier: MIT
#pragma once
// The column headings of the list: centred, and a heading wider than its column cut and
// ended with "..." the way the cells are.

#include <QHeaderView>

namespace rheo {

class ListHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit ListHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace rheo
