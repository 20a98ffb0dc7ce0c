#include "bandwise/widgets/look.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <QStyleFactory>

namespace bandwise {

namespace {

// Fusion, adjusted to the twip layouts: a narrower gap between indicator and caption, options
// that take clicks over their whole width, and group boxes whose frame line runs through the middle of the title, so that the first control of a
// group sits where the layout puts it rather than under a title drawn above the frame.
class BandwiseStyle : public QProxyStyle {
public:
    BandwiseStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // An option or check box reacts to a click anywhere in its rectangle, not only on its
    // indicator and caption, as the wide options of the twip layout always have.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element == SE_RadioButtonClickRect || element == SE_CheckBoxClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control != CC_GroupBox)
            return rect;
        if (sub == SC_GroupBoxLabel) {
            QRect label = rect;
            label.moveTopLeft(option->rect.topLeft() + QPoint(6, 0));
            return label;
        }
        if (sub == SC_GroupBoxFrame) {
            QRect frame = option->rect;
            frame.setTop(option->rect.top() + option->fontMetrics.height() / 2);
            return frame;
        }
        return rect;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || group == nullptr) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->save();
        const QRect frame = subControlRect(CC_GroupBox, group, SC_GroupBoxFrame, widget);
        painter->setPen(group->palette.color(QPalette::Mid));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
        if (!group->text.isEmpty()) {
            const QRect label = subControlRect(CC_GroupBox, group, SC_GroupBoxLabel, widget);
            painter->fillRect(label.adjusted(-2, 0, 2, 0), group->palette.color(QPalette::Window));
            drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, group->palette,
                         group->state & State_Enabled, group->text, QPalette::WindowText);
        }
        painter->restore();
    }
};

}  // namespace

void applyBandwiseLook(QApplication& app)
{
    // The layout is absolute, so the style and font are fixed rather than left to the desktop.
    // Liberation Sans has Arial's metrics; 7.5 points is the size at which every caption fits.
    app.setStyle(new BandwiseStyle);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    app.setFont(font);
}

void makeTitleBold(QGroupBox* group)
{
    // setBold marks the weight as set, so the children keep it instead of inheriting bold.
    QFont plain = group->font();
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    group->setFont(bold);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(plain);
    }
}

void makeResultBox(QLineEdit* box)
{
    box->setReadOnly(true);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    box->setPalette(palette);
}

}  // namespace bandwise
