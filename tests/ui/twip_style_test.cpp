// The window's style, as drawn: option indicators as Fusion draws them, however many share a look,
// and group frames on the pixels a one-pixel outline takes.

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// An indicator drawn by `style` on the window's background, away from the image's corner.
QImage indicator(const QStyle& style, QStyle::State state, int ratio)
{
    QStyleOption option;
    option.palette = QApplication::palette();
    option.state = state;
    const int width = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const int height = style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight);
    option.rect = QRect(3, 2, width, height);
    QImage image(QSize(width + 6, height + 4) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(option.palette.color(QPalette::Window));
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter);
    return image;
}

// Premultiplied blending rounds differently when a copy is blended instead of the path itself.
bool sameWithinRounding(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 1 || std::abs(p.green() - q.green()) > 1 ||
                std::abs(p.blue() - q.blue()) > 1)
                return false;
        }
    }
    return true;
}

TEST(TwipStyle, optionIndicatorsLookAsFusionDrawsThemInEveryStateAndScale)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStyle& window = *QApplication::style();
    const QStyle::State on = QStyle::State_Enabled | QStyle::State_On;
    const QStyle::State states[] = {QStyle::State_Enabled | QStyle::State_Off, on, QStyle::State_Off, QStyle::State_On,
        on | QStyle::State_Sunken, on | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange};
    // Twice over: the second round comes from what the first left behind, each look in turn.
    for (int round = 0; round < 2; ++round) {
        for (int ratio : {1, 2}) {
            for (QStyle::State state : states) {
                SCOPED_TRACE(testing::Message() << "round " << round << ", scale " << ratio << ", state 0x" << std::hex
                                                << static_cast<unsigned>(state));
                EXPECT_TRUE(sameWithinRounding(indicator(window, state, ratio), indicator(*fusion, state, ratio)));
            }
        }
    }
}

TEST(TwipStyle, aGroupIsAOnePixelOutlineWithItsTitleSetIntoTheTopEdgeNearTheLeft)
{
    QGroupBox group(QStringLiteral("Result"));
    group.resize(160, 90);
    const QImage image = group.grab().toImage();
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    const QRect frame = group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, &group);
    const QColor line = group.palette().color(QPalette::Mid);
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    const struct {
        const char* edge;
        QPoint on;
        QPoint within;
    } edges[] = {
        {"left", QPoint(frame.left(), frame.center().y()), QPoint(inside.left(), inside.center().y())},
        {"right", QPoint(frame.right(), frame.center().y()), QPoint(inside.right(), inside.center().y())},
        {"top", QPoint(frame.right() - 8, frame.top()), QPoint(inside.right() - 8, inside.top())},
        {"bottom", QPoint(frame.center().x(), frame.bottom()), QPoint(inside.center().x(), inside.bottom())},
    };
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.edge);
        EXPECT_EQ(image.pixel(edge.on), line.rgb());
        EXPECT_NE(image.pixel(edge.within), line.rgb());
    }

    // The title: ink darker than the line, starting just after a gap cut into the top edge.
    int firstInk = image.width();
    for (int y = 0; y < group.fontMetrics().height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < qGray(line.rgb()) - 40)
                firstInk = std::min(firstInk, x);
        }
    }
    EXPECT_GE(firstInk, frame.left() + 6);
    EXPECT_LE(firstInk, frame.left() + 9);
    EXPECT_EQ(image.pixel(frame.left() + 2, frame.top()), line.rgb());
    EXPECT_NE(image.pixel(frame.left() + 5, frame.top()), line.rgb());
}

}  // namespace
