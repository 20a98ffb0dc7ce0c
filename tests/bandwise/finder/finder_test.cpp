#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/finder/finder_dialog.h"
#include "bandwise/finder/search_worker.h"
#include "bandwise/shell/main_window.h"
#include "widget_test.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using bandwise::FinderDialog;
using bandwise::MainWindow;

namespace {

class FinderTest : public testsupport::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        window = std::make_unique<MainWindow>(programDirectory(), messages, desktop, screen());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    FinderDialog* finder() const { return window->finderDialog(); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(finder(), name); }

    // Types over the whole text of a box, key by key.
    void typeInto(const char* name, const QString& text) const
    {
        box(name)->selectAll();
        QTest::keyClicks(box(name), text);
    }

    // The rows of a result list as they read, cells apart by " | ".
    QStringList rows(const char* name) const
    {
        QStringList read;
        auto* list = child<QTreeWidget>(finder(), name);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column) {
                if (!list->topLevelItem(row)->text(column).isEmpty())
                    cells << list->topLevelItem(row)->text(column);
            }
            read << cells.join(" | ");
        }
        return read;
    }

    // Ctrl+F where the focus is.
    static void pressFind(QWidget* focus)
    {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
    }

    // The rows once the search that the last change started has ended, which its busy mark shows
    // until then.
    std::vector<std::string> rowsWhenDone(const char* list, const char* busy) const
    {
        EXPECT_TRUE(child<QProgressBar>(finder(), busy)->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !child<QProgressBar>(finder(), busy)->isVisible(); }, 60000));
        std::vector<std::string> read;
        for (const QString& row : rows(list))
            read.push_back(row.toStdString());
        return read;
    }

    QString encodedValue() const
    {
        child<bandwise::EncodingPanel>(window.get(), "Frame4")->tick();
        return child<QLineEdit>(window.get(), "res_value")->text();
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(FinderTest, opensFromEitherValueBoxWithItsValueAndSearchesAgainAtEachChange)
{
    EXPECT_EQ(finder(), nullptr);  // nothing of it before it is asked for
    child<bandwise::EncodingPanel>(window.get(), "Frame4")->setTypedValue("5k1 1%");
    encodedValue();
    for (const char* option : {"ye1", "vi2", "orm", "got"})
        click(child<QRadioButton>(window.get(), option));
    child<bandwise::DecodingPanel>(window.get(), "Frame1")->tick();

    // How the finder is asked for, and the wanted value, series and number of parts it starts from:
    // ±1 % parts are made in the steps of E96, ±5 % ones in those of E24.
    const std::pair<std::function<void()>, std::string> ways[] = {
        {[this] { pressFind(child<QLineEdit>(window.get(), "res_value")); }, "5K1 E96 3"},
        {[this] { pressFind(child<QRadioButton>(window.get(), "ye1")); }, "47K E24 3"},
        {[this] {
             const std::unique_ptr<QMenu> menu(child<bandwise::DecodingPanel>(window.get(), "Frame1")->valueMenu());
             menu->actions().last()->trigger();
         },
            "47K E24 3"},
    };
    for (const auto& [ask, expected] : ways) {
        SCOPED_TRACE(expected);
        if (finder())
            finder()->close();
        ask();
        ASSERT_NE(finder(), nullptr);
        EXPECT_TRUE(finder()->isVisible());
        const QString started = box("wanted_value")->text() + " " +
            child<QComboBox>(finder(), "combination_series")->currentText() + " " +
            child<QSpinBox>(finder(), "max_parts")->text();
        EXPECT_EQ(started.toStdString(), expected);
    }

    // Two 10 kΩ in parallel make 5 kΩ exactly, with the fewest parts that do; one part alone comes no
    // closer than 5.1 kΩ.
    typeInto("wanted_value", "5k");
    const std::vector<std::string> found = rowsWhenDone("combination_results", "combination_busy");
    ASSERT_EQ(found.size(), 7U);  // one part, two ways with two, four with three
    EXPECT_EQ(found[0], "10K ∥ 10K | 5 kΩ | 0 %");
    // Each drawing is as wide as its network, centred and closed on both sides, so that of two in
    // series, three in parallel and three in series reads the same from either end.
    auto* results = child<QTreeWidget>(finder(), "combination_results");
    for (const int row : {1, 3, 4}) {
        const QModelIndex drawing = results->model()->index(row, 1);
        const QImage cell = results->viewport()->grab(results->visualRect(drawing)).toImage();
        QRect ink;
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                if (qGray(cell.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        // Up to the one column by which a line's end pixel can fall on either side.
        const QImage drawn = cell.copy(ink);
        const QImage mirror = drawn.mirrored(true, false);
        const auto from = [](const QImage& image, int column) {
            return image.copy(column, 0, image.width() - 1, image.height());
        };
        EXPECT_GT(ink.width(), 2 * ink.height() / 3) << found[row];
        EXPECT_TRUE(drawn == mirror || from(drawn, 1) == from(mirror, 0) || from(drawn, 0) == from(mirror, 1))
            << found[row];
    }
    // A value a hair above 4.99 kΩ: the sign tells the side even where the digits cannot.
    typeInto("wanted_value", "4k99");
    EXPECT_EQ(
        rowsWhenDone("combination_results", "combination_busy").at(1), "(120K ∥ 1K1) + 3K9 | ≈4.99 kΩ | +0.000 %");
    typeInto("wanted_value", "0.0001");
    EXPECT_EQ(child<QLabel>(finder(), "combination_status")->text().toStdString(),
        "The value must lie between 0.1 Ω and 1 GΩ.");
    typeInto("wanted_value", "5k");
    // Enter in a box goes on to the results.
    QTest::keyClick(box("wanted_value"), Qt::Key_Return);
    EXPECT_EQ(finder()->focusWidget(), results);
    rowsWhenDone("combination_results", "combination_busy");
    QTest::keyClick(child<QSpinBox>(finder(), "max_parts"), Qt::Key_Down);
    QTest::keyClick(child<QSpinBox>(finder(), "max_parts"), Qt::Key_Down);
    EXPECT_EQ(
        rowsWhenDone("combination_results", "combination_busy"), std::vector<std::string> {"5K1 | 5.1 kΩ | +2.000 %"});

    results->setFocus();
    QTest::keySequence(results, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "5K1\t5.1 kΩ\t+2.000 %");
    click(child<QPushButton>(finder(), "use_combination"));
    EXPECT_EQ(encodedValue().toStdString(), "5100±1%");  // the tolerance stays as chosen
    // Values not in the drawer, apart by blanks or semicolons, commas as decimal marks.
    typeInto("excluded_values", "5K1; 4,7k");
    EXPECT_EQ(
        rowsWhenDone("combination_results", "combination_busy"), std::vector<std::string> {"5K6 | 5.6 kΩ | +12.000 %"});
    // Text that is no value is told why, and leaves no rows of an earlier value behind, nor of the
    // search that was under way.
    typeInto("wanted_value", "5k6");
    typeInto("wanted_value", "five");
    QTest::qWait(200);
    EXPECT_EQ(rows("combination_results"), QStringList());
    EXPECT_EQ(
        child<QLabel>(finder(), "combination_status")->text().toStdString(), "\"five\" does not start with a number.");

    QTest::keyClick(results, Qt::Key_Escape);
    EXPECT_FALSE(finder()->isVisible());
}

TEST_F(FinderTest, aDividersR1SetsTheColourCodeLists)
{
    pressFind(child<QLineEdit>(window.get(), "res_value"));
    auto* tabs = child<QTabBar>(finder(), "qt_tabwidget_tabbar");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1).toStdString(), "&Divider");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_TRUE(box("divider_vin")->isVisible());
    typeInto("divider_vin", "5 V");
    typeInto("divider_vout", "2.5");
    // Equal legs halve exactly; the smallest E24 pair that draws no more than the 1 kΩ total allows.
    EXPECT_EQ(rowsWhenDone("divider_results", "divider_busy").at(0), "510R | 510R | 0.5 | 2.5 V | 0 % | 4.902 mA");
    click(child<QPushButton>(finder(), "use_r1"));
    EXPECT_EQ(encodedValue().toStdString(), "510");
}

TEST(SearchWorkerTest, aNewSearchStopsTheOneInProgressWhoseResultNeverArrives)
{
    QObject window;
    QStringList delivered;
    std::atomic<bool> started = false;
    std::atomic<bool> stopped = false;
    const auto untilStopped = [&](std::stop_token stop) -> std::function<void()> {
        started = true;
        while (!stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stopped = true;
        return [&delivered] { delivered << "stopped"; };
    };
    const auto saying = [&delivered](const char* text) {
        return [&delivered, text](
                   std::stop_token) -> std::function<void()> { return [&delivered, text] { delivered << text; }; };
    };
    {
        bandwise::SearchWorker worker(&window);
        worker.start(untilStopped);
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }));
        worker.start(saying("newer"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !worker.busy(); }));
        EXPECT_TRUE(stopped);
        QTest::qWait(20);
        EXPECT_EQ(delivered, QStringList {"newer"});
        // A search that ended on its own, whose result is on its way when a newer one starts, is
        // overtaken too.
        worker.start(saying("overtaken"));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // no events handled meanwhile
        worker.start(saying("newest"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !worker.busy(); }));
        QTest::qWait(20);
        EXPECT_EQ(delivered, QStringList({"newer", "newest"}));
        // Ending while a search runs stops it rather than waiting for it.
        started = false;
        worker.start(untilStopped);
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }));
    }
    EXPECT_EQ(delivered, QStringList({"newer", "newest"}));
}

}  // namespace
