#include "bandwise/calculator/calculator_panel.h"
#include "bandwise/core/window_texts.h"
#include "widget_test.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace bandwise;
using Message = SolveOutcome::Message;

namespace {

// A number as a box must show it: 15 significant digits, the given decimal separator, and a
// zero never signed (adding zero turns -0 into 0).
std::string shown(double value, char separator)
{
    std::string text(32, '\0');
    text.resize(std::snprintf(text.data(), text.size(), "%.15G", value + 0.0));
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

struct Case {
    const char* name;
    std::array<std::string, kCalculatorBoxCount> texts;  // P, V, I, R
    std::vector<std::pair<CalculatorBox, double>> results;
    Message message = Message::None;
};

const std::string kGrey = "#e0e0e0", kWhite = "#ffffff";
using Boxes = std::vector<std::pair<std::string, std::string>>;

class CalculatorPanelTest : public testsupport::WidgetTest {
protected:
    QLineEdit* box(const char* name) const { return child<QLineEdit>(&panel, name); }
    void press(const char* name) { click(child<QPushButton>(&panel, name)); }
    // Each box's text and background colour.
    Boxes boxes() const
    {
        Boxes state;
        for (const char* name : {"power_value", "voltage_value", "current_value", "resistance_value"})
            state.emplace_back(
                box(name)->text().toStdString(), box(name)->palette().color(QPalette::Base).name().toStdString());
        return state;
    }

    WindowTexts texts;
    CalculatorPanel panel {texts, messages, nullptr};
};

}  // namespace

TEST(PvirSolve, twoValuesGiveTheOtherTwoByOhmsLawOrAMessage)
{
    const double P = 2, V = 3, I = 0.7, R = 4.7;
    const std::string p = "2", v = "3", i = "0.7", r = "4.7";
    const Case cases[] = {{"powerVoltage", {p, v, "", ""}, {{CurrentBox, P / V}, {ResistanceBox, V * V / P}}},
        {"powerCurrent", {p, "", i, ""}, {{VoltageBox, P / I}, {ResistanceBox, P / (I * I)}}},
        {"powerResistance", {p, "", "", r}, {{VoltageBox, std::sqrt(P * R)}, {CurrentBox, std::sqrt(P / R)}}},
        {"voltageCurrent", {"", v, i, ""}, {{PowerBox, V * I}, {ResistanceBox, V / I}}},
        {"voltageResistance", {"", v, "", r}, {{PowerBox, V * V / R}, {CurrentBox, V / R}}},
        {"currentResistance", {"", "", i, r}, {{PowerBox, I * I * R}, {VoltageBox, I * R}}},
        // With more than two values the first pair in P, V, I, R order wins; the rest is overwritten.
        {"threeGiven", {"", v, i, r}, {{PowerBox, V * I}, {ResistanceBox, V / I}}},
        {"oneGiven", {"", "5", "", ""}, {}, Message::TooFewValues},
        {"zeroVoltage", {"5", "0", "", ""}, {}, Message::BadValues},
        // A failure keeps what was written before it.
        {"zeroPowerKeepsAZeroCurrent", {"0", "-5", "", ""}, {{CurrentBox, 0 / -5.0}}, Message::BadValues},
        {"negativeUnderTheRoot", {"-4", "", "", "1"}, {}, Message::BadValues},
        {"squareOverflows", {"1", "1e308", "", ""}, {{CurrentBox, 1 / 1e308}}, Message::BadValues},
        {"numberBeyondADouble", {"1e400", "1", "", ""}, {}, Message::BadValues}};
    for (const Case& c : cases)
        for (const char separator : {'.', ','}) {
            SCOPED_TRACE(std::string(c.name) + " with " + separator);
            const SolveOutcome outcome = SolvePvir(c.texts, std::string(1, separator));
            ASSERT_EQ(outcome.results.size(), c.results.size());
            for (std::size_t k = 0; k < c.results.size(); ++k)
                EXPECT_EQ(std::pair(outcome.results[k].box, outcome.results[k].text),
                    std::pair(c.results[k].first, shown(c.results[k].second, separator)));
            std::vector<CalculatorBox> given;  // on success, the two boxes not computed
            for (const CalculatorBox box : {PowerBox, VoltageBox, CurrentBox, ResistanceBox})
                if (c.message == Message::None &&
                    !std::ranges::count(c.results, box, &std::pair<CalculatorBox, double>::first))
                    given.push_back(box);
            EXPECT_EQ(outcome.givenBoxes, given);
            EXPECT_EQ(outcome.message, c.message);
        }
}

TEST_F(CalculatorPanelTest, typedKeysAreFilteredButEditingKeysAndEnterWork)
{
    QTest::keyClicks(box("voltage_value"), "-1a.2.-3");
    EXPECT_EQ(box("voltage_value")->text(), "-1.23");
    QTest::keyClick(box("voltage_value"), Qt::Key_Home);
    // As a keyboard sends it: with the text of character 127, which the filter would refuse.
    QTest::sendKeyEvent(QTest::Click, box("voltage_value"), Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
    EXPECT_EQ(box("voltage_value")->text(), "1.23");
    // Shortcuts come with control characters, which the filter refuses as typed characters.
    QTest::sendKeyEvent(QTest::Click, box("voltage_value"), Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    EXPECT_EQ(box("voltage_value")->selectedText(), "1.23");
    box("power_value")->setText("2");
    QTest::sendKeyEvent(QTest::Click, box("voltage_value"), Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    EXPECT_EQ(box("current_value")->text(), QString::number(2 / 1.23, 'g', 15));
}

TEST_F(CalculatorPanelTest, pastedOrDroppedTextGetsInAsFarAsTypingItWould)
{
    // The box's text and selection, what is pasted, and what the box then holds.
    const std::tuple<const char*, const char*, int, int, const char*, const char*> rows[] = {
        {"lettersAfterADigit", "", 0, 0, "5abc", "5"},
        {"signAndExponent", "", 0, 0, "-1e5", "-15"},
        {"pointsWithin", "", 0, 0, "1.2.3", "1.23"},
        {"blanksAndLineBreaks", "", 0, 0, " 1 000\r\n", "1000"},
        {"backspaceIsNoCharacter", "", 0, 0, "1\b2\x7f", "12"},
        {"firstCharacterInReplacesTheSelection", "12.5", 1, 2, "x7", "175"},
        {"minusRefusedOverAllSelected", "5", 0, 1, "-3", "3"},
        {"nothingInKeepsTheSelection", "12", 0, 2, "abc", "12"},
    };
    QLineEdit* current = box("current_value");
    for (const auto& [name, initial, start, length, pasted, expected] : rows) {
        SCOPED_TRACE(name);
        current->setText(QString::fromUtf8(initial));  // the caret at its end
        if (length > 0)
            current->setSelection(start, length);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keyClick(current, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(current->text().toStdString(), expected);
    }

    // The box's own menu pastes the same way; so does a drop.
    current->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("5abc"));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    // Through the window, as the desktop delivers it: the window turns the press into the menu's event.
    QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, current->mapTo(&panel, QPoint(5, 5)));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("&Paste")))
            action->trigger();
    menu->close();
    EXPECT_EQ(current->text(), "5");

    QLineEdit* resistance = box("resistance_value");
    QMimeData dragged;
    dragged.setText(QStringLiteral("-1e5"));
    // A drop reaches the box that took the drag as it entered.
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(resistance, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(resistance, &drop);
    EXPECT_EQ(resistance->text(), "-15");
}

TEST_F(CalculatorPanelTest, aCommaLocaleTypesAndReadsItsOwnMark)
{
    panel.setLocale(QLocale(QLocale::German));
    QTest::keyClicks(box("power_value"), "0,5,.");
    box("voltage_value")->setText("0,25");
    press("calc");
    EXPECT_EQ(box("resistance_value")->text(), "0,125");  // V² / P
}

TEST_F(CalculatorPanelTest, calculateGreysResultsAndWhitensGivenBoxesUntilReset)
{
    // I = P / V and R = V² / P with P = 12 and V = 6.
    const std::string i = QString::number(12.0 / 6).toStdString(), r = QString::number(6.0 * 6 / 12).toStdString();
    box("power_value")->setText("12");
    box("voltage_value")->setText("6");
    press("calc");
    EXPECT_EQ(boxes(), (Boxes {{"12", kWhite}, {"6", kWhite}, {i, kGrey}, {r, kGrey}}));

    // Working back from the results gives the values again and swaps the colours.
    box("power_value")->clear();
    box("voltage_value")->clear();
    press("calc");
    EXPECT_EQ(boxes(), (Boxes {{"12", kGrey}, {"6", kGrey}, {i, kWhite}, {r, kWhite}}));

    press("res");
    EXPECT_EQ(boxes(), Boxes(kCalculatorBoxCount, {"", kWhite}));
}

TEST_F(CalculatorPanelTest, failuresWarnWithTheWindowsMessages)
{
    messages.expectMessages();
    box("power_value")->setText("5");
    press("calc");
    box("voltage_value")->setText("0");
    press("calc");
    for (const auto& message : messages.shown)
        EXPECT_TRUE(message.icon == platform::MessageIcon::Warning && message.title == "Bandwise");
    EXPECT_EQ(takeMessages(), (std::vector<std::string> {texts.Too_Few_Values_Message, texts.Bad_Values_Message}));
}
