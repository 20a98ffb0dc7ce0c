#include "bandwise/shell/main_window.h"
#include "platform/display_check.h"
#include "platform/termination.h"
#include "widget_test.h"

#include <algorithm>
#include <csignal>
#include <regex>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using PlatformTest = testsupport::WidgetTest;

// ctest runs each test in a process of its own: the handlers installed here end with it. Installed
// with descriptors to spare, and with none left for the signal pair (ulimit -n).
class TerminationTest : public testsupport::WidgetTest, public ::testing::WithParamInterface<bool> { };

TEST_P(TerminationTest, aBurstOfTerminationSignalsClosesAndSavesAndALaterSignalStillCloses)
{
    bandwise::MainWindow window(programDirectory(), messages, desktop, screen());
    window.show();
    rlimit old {};
    ::getrlimit(RLIMIT_NOFILE, &old);
    const rlimit few {256, old.rlim_max};
    std::vector<int> taken;
    if (GetParam() && ::setrlimit(RLIMIT_NOFILE, &few) == 0)
        for (int fd; (fd = ::dup(STDERR_FILENO)) >= 0;)
            taken.push_back(fd);
    platform::CloseWindowsOnTermination();
    std::ranges::for_each(taken, ::close);
    ::setrlimit(RLIMIT_NOFILE, &old);
    for (int i = 0; i < 100000; ++i)
        std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
    EXPECT_EQ(read("Settings.ini"), common::SettingsFileBytes(true));

    bandwise::MainWindow second(programDirectory(), messages, desktop, screen());
    second.show();
    QTest::qWait(300);
    EXPECT_TRUE(second.isVisible()) << "the burst was more than one request";
    std::raise(SIGINT);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !second.isVisible(); }));
}

INSTANTIATE_TEST_SUITE_P(Descriptors, TerminationTest, ::testing::Values(false, true),
    [](const ::testing::TestParamInfo<bool>& row) { return row.param ? "noneLeft" : "toSpare"; });

TEST_F(PlatformTest, openersRunOncePerAddressInASessionOfTheirOwnAndOutliveTheDesktop)
{
    // Records its session, its input and its pid, then gives up as xdg-open does when it finds
    // no tool for the address, or, for a mail address, as it does on any other failure.
    write("opener",
        "#!/bin/sh\ncd \"${0%/*}\"; a=$1; set -- $(cat /proc/$$/stat)\n"
        "echo $$ >pid; echo $6 $(readlink /proc/$$/fd/0) $$ >>starts; sleep 1\ncase $a in mailto:*) exit 1;; esac; "
        "exit 3\n");
    std::filesystem::permissions(file("opener"), std::filesystem::perms::owner_all);
    auto system = std::make_unique<platform::SystemDesktop>(file("opener").string());
    std::vector<std::int32_t> late;
    for (const char* address : {"https://a.example/", "https://a.example/", "mailto:b@example.org"})
        EXPECT_EQ(system->openAddress(address, [&late](std::int32_t value) { late.push_back(value); }), 33);
    EXPECT_TRUE(QTest::qWaitFor([&] { return late.size() == 2; }));
    std::ranges::sort(late);
    EXPECT_EQ(late, (std::vector<std::int32_t> {1, 31}));
    // Two starts, each the leader of a session of its own (session id = pid), reading /dev/null.
    EXPECT_TRUE(std::regex_match(read("starts"), std::regex(R"(((\d+) /dev/null \2\n){2})"))) << read("starts");

    system->openAddress("https://c.example/", [](std::int32_t) {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::ranges::count(read("starts"), '\n') == 3; }));
    system.reset();
    EXPECT_EQ(::kill(std::stoi(read("pid")), 0), 0) << "the opener did not outlive the desktop";
}

}  // namespace

TEST(DisplayOpening, qtsLinesOfTheStartWaitForTheDisplayAndLaterOnesPassAtOnce)
{
    static QStringList passed;
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { passed << text; });
    {
        platform::DisplayOpening opening("Bandwise");
        qWarning("held");
        EXPECT_TRUE(passed.isEmpty());
        opening.reached();
        qWarning("later");
        EXPECT_EQ(passed, QStringList({"held", "later"}));
    }
    qInstallMessageHandler(before);
}
