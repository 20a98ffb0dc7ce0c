#include "bandwise/calculator/calculator_panel.h"
#include "bandwise/shell/window_texts.h"
#include "widget_test.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include <memory>

using bandwise::CalculatorPanel;

namespace {

const QColor kGrey(0xE0, 0xE0, 0xE0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

class CalculatorPanelTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        panel = std::make_unique<CalculatorPanel>(texts, messages, nullptr);
        panel->show();
    }

    QLineEdit* box(const char* name) const { return child<QLineEdit>(panel.get(), name); }
    static QColor background(const QLineEdit* edit) { return edit->palette().color(QPalette::Base); }
    void press(const char* button) { QTest::mouseClick(child<QPushButton>(panel.get(), button), Qt::LeftButton); }

    void fill(const char* p, const char* v, const char* i, const char* r)
    {
        box("power_value")->setText(QString::fromUtf8(p));
        box("voltage_value")->setText(QString::fromUtf8(v));
        box("current_value")->setText(QString::fromUtf8(i));
        box("resistance_value")->setText(QString::fromUtf8(r));
    }

    bandwise::WindowTexts texts;
    std::unique_ptr<CalculatorPanel> panel;
};

}  // namespace

TEST_F(CalculatorPanelTest, calculateWritesResultsGreyAndGivenWhite)
{
    fill("100", "10", "", "");
    press("calc");
    EXPECT_EQ(box("current_value")->text(), "10");
    EXPECT_EQ(box("resistance_value")->text(), "1");
    EXPECT_EQ(background(box("current_value")), kGrey);
    EXPECT_EQ(background(box("resistance_value")), kGrey);
    EXPECT_EQ(background(box("power_value")), kWhite);
    EXPECT_EQ(background(box("voltage_value")), kWhite);

    // A second press still uses P and V while both hold text, overwriting a newly typed R.
    box("resistance_value")->setText("50");
    box("voltage_value")->setText("20");
    press("calc");
    EXPECT_EQ(box("current_value")->text(), "5");
    EXPECT_EQ(box("resistance_value")->text(), "4");

    // Computed boxes used as given ones turn white; the new results turn grey.
    box("power_value")->clear();
    box("voltage_value")->clear();
    press("calc");
    EXPECT_EQ(box("power_value")->text(), "100");
    EXPECT_EQ(background(box("power_value")), kGrey);
    EXPECT_EQ(background(box("voltage_value")), kGrey);
    EXPECT_EQ(background(box("current_value")), kWhite);
    EXPECT_EQ(background(box("resistance_value")), kWhite);
}

TEST_F(CalculatorPanelTest, failureShowsTheCurrentMessageAndUndoesNothing)
{
    fill("", "10", "2", "");
    press("calc");  // P and R computed (grey), V and I given (white)
    ASSERT_EQ(box("power_value")->text(), "20");

    messages.expectMessages();
    texts.Bad_Values_Message = "Message as it stands when shown";
    box("power_value")->setText("0");
    box("voltage_value")->setText("5");
    press("calc");  // pair P, V: I = 0 is written, then R = 25 / 0 fails

    EXPECT_EQ(box("current_value")->text(), "0");
    EXPECT_EQ(background(box("current_value")), kGrey);
    EXPECT_EQ(box("resistance_value")->text(), "5");
    EXPECT_EQ(background(box("resistance_value")), kGrey);
    EXPECT_EQ(background(box("power_value")), kGrey);  // not turned white: the press failed
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].title, "Bandwise");
    EXPECT_EQ(messages.shown[0].text, "Message as it stands when shown");
}

TEST_F(CalculatorPanelTest, resetEmptiesAndWhitensThenCalculateAsksForTwoValues)
{
    fill("1", "3", "", "");
    press("calc");
    ASSERT_EQ(box("current_value")->text(), "0.333333333333333");
    ASSERT_EQ(box("resistance_value")->text(), "9");

    press("res");
    for (const char* name : {"power_value", "voltage_value", "current_value", "resistance_value"}) {
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
        EXPECT_EQ(background(box(name)), kWhite) << name;
    }
    messages.expectMessages();
    press("calc");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].text.toStdString(), texts.Too_Few_Values_Message);
}

TEST_F(CalculatorPanelTest, typedKeysPassTheFilter)
{
    struct Row {
        const char* name;
        const char* before;
        std::function<void(QLineEdit*)> keys;
        const char* after;
    };
    const Row rows[] = {
        {"digitsAndOneStop", "", [](QLineEdit* b) { QTest::keyClicks(b, "1.5"); }, "1.5"},
        {"secondStopRefused", "1.5", [](QLineEdit* b) { QTest::keyClicks(b, ".2."); }, "1.52"},
        {"stopRefusedEvenIfSelected", "1.5",
            [](QLineEdit* b) {
                b->selectAll();
                QTest::keyClick(b, '.');
            },
            "1.5"},
        {"minusIntoEmptyBox", "", [](QLineEdit* b) { QTest::keyClicks(b, "-2"); }, "-2"},
        {"minusRefusedAtStart", "25",
            [](QLineEdit* b) {
                QTest::keyClick(b, Qt::Key_Home);
                QTest::keyClick(b, '-');
            },
            "25"},
        {"minusRefusedOverSelection", "25",
            [](QLineEdit* b) {
                b->selectAll();
                QTest::keyClick(b, '-');
            },
            "25"},
        {"backspaceAlwaysWorks", "12", [](QLineEdit* b) { QTest::keyClick(b, Qt::Key_Backspace); }, "1"},
        {"commaBlankAndLetters", "7", [](QLineEdit* b) { QTest::keyClicks(b, ", aZ+e/"); }, "7"},
        {"deleteWorks", "12",
            [](QLineEdit* b) {
                QTest::keyClick(b, Qt::Key_Home);
                QTest::keyClick(b, Qt::Key_Delete);
            },
            "2"},
        // Ctrl+V delivers character 22, which the filter discards like every control character.
        {"controlCharacters", "7",
            [](QLineEdit* b) {
                QApplication::clipboard()->setText(QStringLiteral("99"));
                QTest::sendKeyEvent(QTest::Click, b, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
            },
            "7"},
        {"nonAsciiLetter", "7",
            [](QLineEdit* b) {
                QTest::sendKeyEvent(QTest::Click, b, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
            },
            "7"},
    };
    QLineEdit* edit = box("voltage_value");
    for (const Row& row : rows) {
        edit->setText(QString::fromUtf8(row.before));
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        row.keys(edit);
        EXPECT_EQ(edit->text().toStdString(), row.after) << row.name;
    }
}

TEST_F(CalculatorPanelTest, pastedTextIsNotFilteredAndStillCalculates)
{
    QApplication::clipboard()->setText(QStringLiteral("12abc"));
    box("power_value")->paste();
    EXPECT_EQ(box("power_value")->text(), "12abc");
    QTest::keyClicks(box("current_value"), "2");
    press("calc");
    EXPECT_EQ(box("voltage_value")->text(), "6");
    EXPECT_EQ(box("resistance_value")->text(), "3");
}

TEST_F(CalculatorPanelTest, tabMovesThroughTheBoxesThenTheButtons)
{
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    box("power_value")->setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"power_value", "voltage_value", "current_value", "resistance_value", "calc", "res"}));
}
