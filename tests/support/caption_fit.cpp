#include "widget_test.h"

#include "bandwise/widgets/line_shape.h"
#include "bandwise/widgets/shape.h"
#include "bandwise/widgets/wrapping_check_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

#include <functional>

namespace testsupport {

namespace {

bool wrappedTextFits(const QFontMetrics& metrics, const QRect& area, const QString& text)
{
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 10000), Qt::TextWordWrap | Qt::AlignLeft, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QRect titleRect(const QGroupBox* group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
}

bool fits(const QWidget* widget, QString* text)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* box = qobject_cast<const bandwise::WrappingCheckBox*>(widget)) {
        *text = box->text();
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        return !box->captionRect().intersects(indicator) && wrappedTextFits(metrics, box->captionRect(), box->text());
    }
    if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
        *text = push->text();
        return metrics.horizontalAdvance(QString(push->text()).remove(QLatin1Char('&'))) + 8 <= push->width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        *text = button->text();
        return button->sizeHint().width() <= button->width() && metrics.height() <= button->height();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        *text = label->text();
        // The mark of a mnemonic is not drawn.
        const QString shown = label->buddy() ? QString(label->text()).remove(QLatin1Char('&')) : label->text();
        if (label->wordWrap())
            return wrappedTextFits(metrics, label->contentsRect(), shown);
        return metrics.horizontalAdvance(shown) <= label->contentsRect().width() &&
            metrics.height() <= label->contentsRect().height();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        *text = edit->text();
        // Frame and inner margins of a line edit take about three pixels a side.
        return metrics.horizontalAdvance(edit->text()) + 6 <= edit->width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        *text = group->title();
        return titleRect(group).right() < group->width();
    }
    return true;
}

bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QComboBox*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
        qobject_cast<const QLabel*>(widget);
}

}  // namespace

QStringList layoutFaults(const QWidget* root)
{
    QStringList clipped;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        QString text;
        if (!fits(widget, &text))
            clipped << widget->objectName() + QStringLiteral(": ") + text;
        if (!widget->isVisibleTo(root) || widget->parentWidget() == nullptr || widget->isWindow())
            continue;
        // Every part lies within its frame, and no two controls share more than the pixel that
        // rounding twips may give them; the drawing's parts overlap by design, as may a label's
        // box and another label.
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            clipped << widget->objectName() + QStringLiteral(" leaves its frame");
        if (widget->parentWidget()->isWindow() && isControl(widget) && (widget->x() <= 0 || widget->y() <= 0))
            clipped << widget->objectName() + QStringLiteral(" touches the window's edge");
        const bool drawn =
            qobject_cast<const bandwise::Shape*>(widget) || qobject_cast<const bandwise::LineShape*>(widget);
        if ((isControl(widget) || drawn) &&
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))->text(QAccessible::Name).isEmpty())
            clipped << widget->objectName() + QStringLiteral(" has no name a screen reader can say");
        const auto* group = qobject_cast<const QGroupBox*>(widget->parentWidget());
        if (group && !group->title().isEmpty() && widget->geometry().intersects(titleRect(group)))
            clipped << widget->objectName() + QStringLiteral(" covers the title of ") + group->objectName();
        for (const QWidget* sibling : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect shared = sibling->geometry() & widget->geometry();
            const bool labels = qobject_cast<const QLabel*>(widget) && qobject_cast<const QLabel*>(sibling);
            if (std::less<const QWidget*>()(sibling, widget) && sibling->isVisibleTo(root) && isControl(widget) &&
                isControl(sibling) && !labels && shared.width() > 1 && shared.height() > 1)
                clipped << widget->objectName() + QStringLiteral(" overlaps ") + sibling->objectName();
        }
    }
    return clipped;
}

}  // namespace testsupport
