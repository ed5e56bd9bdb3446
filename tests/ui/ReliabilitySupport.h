#pragma once
// The real window on a practice database in its own program folder, for the fault and
// bad-input tests.

#include "DatabaseConnection.h"
#include "GridFooter.h"
#include "PracticeFixture.h"
#include "ResultsGridView.h"
#include "ResultsModel.h"
#include "WindowTestSupport.h"
#include "qelUpdater.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace reliability {

// A program folder the server's user can reach; telvosetup.ini names `netPathMed` when given,
// else the folder itself through the test server.
class PracticeFolder
{
public:
    explicit PracticeFolder(std::optional<QString> netPathMed = std::nullopt)
        : m_dir(fixtureFolder() + QStringLiteral("/reliability-XXXXXX"))
    {
        ::chmod(m_dir.path().toLocal8Bit().constData(), 0777);
        QFile ini(m_dir.filePath(QStringLiteral("telvosetup.ini")));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[IB]\r\nNetPathMed=" + netPathMed.value_or("127.0.0.1:" + m_dir.path() + "/").toUtf8() + "\r\n");
    }

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("medical.gdb")); }
    QString tcpName() const { return QStringLiteral("127.0.0.1:") + databasePath(); }

    void createPractice(const PracticeData &data, const FixtureOptions &options = {})
    {
        m_practice = std::make_unique<PracticeFixture>(PracticeFixture::ExactFile{databasePath()}, data, options);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PracticeFixture> m_practice;
};

struct RunningWindow
{
    explicit RunningWindow(const QString &programFolder)
        : window(programFolder, std::make_unique<windowtest::RecordingDialogs>(dialogs))
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents(); // the start-up sequence
    }

    int rows() const { return window.dsAT->rowCount(); }
    QString cell(int row, int column) const { return window.dsAT->data(window.dsAT->index(row, column)).toString(); }
    QStringList footer() const
    {
        QStringList texts;
        for (int c = 0; c < 8; ++c)
            texts << window.grdAT->footer()->cellText(c);
        return texts;
    }
    void refresh() { QTest::mouseClick(window.btnRefresh, Qt::LeftButton); }

    windowtest::DialogLog dialogs;
    TfrmDatabaseUpdate window;
};

// n providers, provider i rendering i visits of which one Medicaid (i >= 1), all in the range.
inline PracticeData practiceWith(int providers)
{
    PracticeData data;
    data.carriers = {{QStringLiteral("MCD"), QStringLiteral("MC")}};
    for (int i = 1; i <= providers; ++i) {
        data.providers.push_back({i, QStringLiteral("Provider %1, MD").arg(i), 1});
        for (int v = 0; v < (i <= 5 ? i : 1); ++v)
            data.transactions.push_back({QStringLiteral("99213"), QDateTime(QDate(2010, 11, 1), QTime(0, 0)), i, i,
                                         v == 0 ? std::optional<QString>(QStringLiteral("MCD")) : std::nullopt, {}});
    }
    return data;
}

} // namespace reliability
