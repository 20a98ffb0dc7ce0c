#pragma once

#include "common/values/finder.h"

#include <QStyledItemDelegate>

namespace bandwise {

// The cells of one column of a result list draw the network of their row: parts joined in series
// run left to right, parts in parallel are stacked between two rails, each part a resistor's
// rectangle. The cell's Qt::UserRole holds the values::Topology; the lines take the text colour
// of the palette, so that the drawing reads in a dark theme and on a selected row alike.
class NetworkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace bandwise
