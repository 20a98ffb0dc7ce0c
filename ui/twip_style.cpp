#include "ui/twip_style.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <cmath>

namespace ui {

namespace {

// Fusion, adjusted to the twip layouts: a narrower gap between indicator and caption, options
// that take clicks over their whole width, and group boxes whose frame line runs through the
// middle of the title, so that the first control of a group sits where the layout puts it rather than under a title
// drawn above the frame.
class TwipStyle : public QProxyStyle {
public:
    TwipStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    { }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // An option or check box reacts to a click anywhere in its rectangle, not only on its
    // indicator and caption: the layout makes them wider than their captions, and a click in
    // the empty part should not be lost.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element == SE_RadioButtonClickRect || element == SE_CheckBoxClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }

    QRect subControlRect(
        ComplexControl control, const QStyleOptionComplex* option, SubControl sub, const QWidget* widget) const override
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

    // A window shows dozens of option buttons in a handful of states, and Fusion draws each
    // indicator as an antialiased path with a gradient: each look is drawn once and copied after.
    // A copy lands on whole pixels only at a whole scale; at any other the indicator is drawn.
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        if (element != PE_IndicatorRadioButton || painter->transform().type() > QTransform::TxTranslate ||
            ratio != std::round(ratio)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QString key = QStringLiteral("twip-option-%1-%2x%3-%4-%5-%6")
                                .arg(static_cast<uint>(option->state))
                                .arg(option->rect.width())
                                .arg(option->rect.height())
                                .arg(option->palette.cacheKey())
                                .arg(ratio)
                                .arg(static_cast<int>(option->direction));
        QPixmap look;
        if (!QPixmapCache::find(key, &look)) {
            look = QPixmap(option->rect.size() * ratio);
            look.setDevicePixelRatio(ratio);
            look.fill(Qt::transparent);
            QPainter onLook(&look);
            QStyleOption atOrigin = *option;
            atOrigin.rect.moveTopLeft(QPoint(0, 0));
            QProxyStyle::drawPrimitive(element, &atOrigin, &onLook, widget);
            onLook.end();
            QPixmapCache::insert(key, look);
        }
        painter->drawPixmap(option->rect.topLeft(), look);
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
        // Four fills, not a stroked rectangle: the same pixels, at a fraction of the cost of a
        // stroke, which the first frame pays for every group of the window.
        const QColor line = group->palette.color(QPalette::Mid);
        painter->fillRect(QRect(frame.topLeft(), QSize(frame.width(), 1)), line);
        painter->fillRect(QRect(frame.bottomLeft(), QSize(frame.width(), 1)), line);
        painter->fillRect(QRect(frame.topLeft(), QSize(1, frame.height())), line);
        painter->fillRect(QRect(frame.topRight(), QSize(1, frame.height())), line);
        if (!group->text.isEmpty()) {
            const QRect label = subControlRect(CC_GroupBox, group, SC_GroupBoxLabel, widget);
            painter->fillRect(label.adjusted(-2, 0, 2, 0), group->palette.color(QPalette::Window));
            drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, group->palette,
                group->state & State_Enabled, group->text, QPalette::WindowText);
        }
        painter->restore();
    }
};

QFont& layoutFont()
{
    static QFont font;
    return font;
}

}  // namespace

void applyTwipLayoutLook(QApplication& app, double pointSize)
{
    // The layouts are absolute, so the style and font are fixed rather than left to the desktop.
    app.setStyle(new TwipStyle);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Every property counts as chosen, so that none (a theme's weight, italics, spacing) is taken
    // from the fonts a window's controls would otherwise get.
    font.setResolveMask(QFont::AllPropertiesResolved);
    layoutFont() = font;
    app.setFont(font);
}

void useTwipLayoutFont(QWidget* window)
{
    window->setFont(layoutFont());
}

}  // namespace ui
