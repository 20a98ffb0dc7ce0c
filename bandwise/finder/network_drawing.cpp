#include "bandwise/finder/network_drawing.h"

#include <QPainter>

#include <algorithm>

namespace bandwise {

namespace {

using values::Network;

// In pixels: a part's body, the wire on each side of it, and the room between stacked branches.
constexpr int kBodyWidth = 20;
constexpr int kBodyHeight = 8;
constexpr int kLead = 5;
constexpr int kGap = 7;

QSize measure(const Network& network)
{
    QSize size;
    switch (network.join) {
    case Network::Join::Part:
        return QSize(kBodyWidth + 2 * kLead, kBodyHeight + kGap);
    case Network::Join::Series:
        for (const Network& branch : network.branches) {
            const QSize part = measure(branch);
            size = QSize(size.width() + part.width(), std::max(size.height(), part.height()));
        }
        return size;
    case Network::Join::Parallel:
        for (const Network& branch : network.branches) {
            const QSize part = measure(branch);
            size = QSize(std::max(size.width(), part.width()), size.height() + part.height());
        }
        return QSize(size.width() + 2 * kLead, size.height());
    }
    return size;
}

// Draws the network across the whole width of `area`, joined to its left and right edges at the
// height of its middle.
void draw(QPainter& painter, const Network& network, const QRect& area)
{
    const int middle = area.top() + area.height() / 2;
    switch (network.join) {
    case Network::Join::Part: {
        const QRect body(
            area.left() + (area.width() - kBodyWidth) / 2, middle - kBodyHeight / 2, kBodyWidth, kBodyHeight);
        painter.drawLine(area.left(), middle, body.left(), middle);
        painter.drawLine(body.right() + 1, middle, area.right() + 1, middle);
        painter.drawRect(body);
        return;
    }
    case Network::Join::Series: {
        // Room beyond the parts is wire, shared by both ends so that the drawing stays centred.
        int total = 0;
        for (const Network& branch : network.branches)
            total += measure(branch).width();
        int left = area.left() + (area.width() - total) / 2;
        painter.drawLine(area.left(), middle, left, middle);
        for (const Network& branch : network.branches) {
            const int width = measure(branch).width();
            draw(painter, branch, QRect(left, area.top(), width, area.height()));
            left += width;
        }
        painter.drawLine(left, middle, area.right() + 1, middle);
        return;
    }
    case Network::Join::Parallel: {
        const int leftRail = area.left() + kLead;
        const int rightRail = area.right() + 1 - kLead;
        int top = middle - measure(network).height() / 2;
        int first = middle;
        int last = middle;
        for (std::size_t index = 0; index < network.branches.size(); ++index) {
            const int height = measure(network.branches[index]).height();
            draw(painter, network.branches[index], QRect(leftRail, top, rightRail - leftRail, height));
            const int branchMiddle = top + height / 2;
            first = index == 0 ? branchMiddle : first;
            last = branchMiddle;
            top += height;
        }
        painter.drawLine(area.left(), middle, leftRail, middle);
        painter.drawLine(rightRail, middle, area.right() + 1, middle);
        painter.drawLine(leftRail, first, leftRail, last);
        painter.drawLine(rightRail, first, rightRail, last);
        return;
    }
    }
}

}  // namespace

void NetworkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant topology = index.data(Qt::UserRole);
    if (!topology.isValid())
        return;
    const Network& network = values::ShapeOf(static_cast<values::Topology>(topology.toInt()));
    const QSize size = measure(network) + QSize(2 * kLead, 0);
    const QRect area(option.rect.left() + kGap, option.rect.top() + (option.rect.height() - size.height()) / 2,
        size.width(), size.height());

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setBrush(Qt::NoBrush);
    draw(*painter, network, area);
    painter->restore();
}

QSize NetworkDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    const QVariant topology = index.data(Qt::UserRole);
    if (!topology.isValid())
        return text;
    const QSize size =
        measure(values::ShapeOf(static_cast<values::Topology>(topology.toInt()))) + QSize(2 * kLead + 2 * kGap, kGap);
    return size.expandedTo(text);
}

}  // namespace bandwise
