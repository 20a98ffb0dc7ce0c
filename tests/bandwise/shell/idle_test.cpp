#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/shell/main_window.h"
#include "widget_test.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

// Counts the paint events of every widget it is installed on.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class IdleTest : public testsupport::WidgetTest { };

}  // namespace

TEST_F(IdleTest, ticksThatFindNothingChangedRepaintNothing)
{
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Something to show in every output, so that the ticks have work to compare.
    for (const char* option : {"ye1", "vi2", "orm", "got"})
        click(child<QRadioButton>(&window, option));
    child<QComboBox>(&window, "band1_list")->setCurrentIndex(4);
    child<QComboBox>(&window, "mul_list")->setCurrentIndex(2);
    QTest::qWait(300);  // the first ticks write the results

    PaintCounter counter;
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->installEventFilter(&counter);
    window.installEventFilter(&counter);
    QTest::qWait(2000);  // twenty ticks of each timer
    for (int i = 0; i < 50; ++i) {
        child<bandwise::DecodingPanel>(&window, "Frame1")->tick();
        child<bandwise::EncodingPanel>(&window, "Frame4")->tick();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
}
