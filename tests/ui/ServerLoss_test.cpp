// The server process dies under the running window and comes back (fbguard restarts it). Runs
// alone: it takes the test server away from everybody for a moment.
#include "ReliabilitySupport.h"

#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace reliability;

namespace {

bool serverListening()
{
    return std::system("bash -c '(exec 3<>/dev/tcp/127.0.0.1/3050)' 2>/dev/null") == 0;
}

TEST(ServerLoss, TheNextRefreshReportsItOnceAndTheOneAfterShowsTheRowsAgain)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(3));
    RunningWindow w(folder.path());
    ASSERT_EQ(w.rows(), 3);
    const QStringList footer = w.footer();

    ASSERT_EQ(std::system("pkill -9 -x -P \"$(pgrep -x fbguard | head -1)\" firebird"), 0);
    QThread::msleep(300);
    for (int i = 0; i < 100 && !serverListening(); ++i)
        QThread::msleep(100);
    ASSERT_TRUE(serverListening()) << "fbguard did not bring the server back";

    w.refresh();
    ASSERT_EQ(w.dialogs.shown.size(), 1);
    EXPECT_TRUE(w.dialogs.shown[0].startsWith("report: ISC ERROR CODE:")) << w.dialogs.shown[0].toStdString();
    EXPECT_EQ(w.rows(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    w.refresh();
    EXPECT_EQ(w.dialogs.shown.size(), 1) << w.dialogs.shown.join('\n').toStdString();
    EXPECT_EQ(w.rows(), 3);
    EXPECT_EQ(w.footer(), footer);
}

} // namespace
