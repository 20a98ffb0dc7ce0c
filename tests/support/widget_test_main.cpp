#include "bandwise/widgets/look.h"
#include "platform/file_access.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    platform::KeepRunningPastFileSizeLimit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bandwise::applyBandwiseLook(app);
    // A desktop theme applies its settings once the event loop runs, after the program's look.
    QCoreApplication::processEvents();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
