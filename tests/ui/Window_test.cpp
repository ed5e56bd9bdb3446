// The real window against the test server: start-up with and without a configuration, refreshes
// driven through the date fields and the Refresh button, and the real message boxes.
#include "BresolanError.h"
#include "DateField.h"
#include "ErrorReport.h"
#include "GridFooter.h"
#include "PracticeFixture.h"
#include "ResultsGridView.h"
#include "ResultsModel.h"
#include "WindowTestSupport.h"
#include "qelUpdater.h"

#include <QAbstractButton>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using windowtest::DialogLog;
using windowtest::RecordingDialogs;

QDateTime day(int year, int month, int d)
{
    return QDateTime(QDate(year, month, d), QTime(0, 0));
}

// Four providers, two carriers and a handful of visits. In the default range (10/1/2010 to
// 12/31/2010), counted by hand:
//   1 Avery  billed 2 (MC 1)  rendered 3 (MC 2)
//   2 Baker  billed 2 (MC 1)  rendered 0        -> hidden by the row filter
//   3 Cole   billed 0         rendered 1 (MC 0)
//   4 is no provider (typeprovider 0) and is not listed.
// Up to 1/31/2011 the January visit adds to Cole: billed 1 (MC 1), rendered 2 (MC 1).
PracticeData practice()
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("Avery, MD"), 1}, {2, QStringLiteral("Baker, NP"), 1},
                      {3, QStringLiteral("Cole, DO"), 2}, {4, QStringLiteral("Front Desk"), 0}};
    data.carriers = {{QStringLiteral("MCD"), QStringLiteral("MC")}, {QStringLiteral("BCBS"), QStringLiteral("CI")}};
    const auto visit = [](const char *code, QDateTime date, int billed, int rendered, const char *carrier) {
        return TransactionRow{QString::fromLatin1(code), date, billed, rendered, QString::fromLatin1(carrier), std::nullopt};
    };
    data.transactions = {
        visit("99213", day(2010, 10, 5), 1, 1, "MCD"),   visit("99214", day(2010, 11, 10), 2, 1, "MCD"),
        visit("99395", day(2010, 12, 31), 2, 1, "BCBS"), visit("99212", day(2010, 11, 20), 1, 3, "BCBS"),
        visit("99213", day(2011, 1, 15), 3, 3, "MCD"),   visit("99210", day(2010, 10, 6), 1, 1, "MCD"),
        visit("99213", day(2010, 10, 7), 4, 4, "MCD"),
    };
    return data;
}

// A program folder the server's user can reach, with telvosetup.ini when given a value.
struct ProgramFolder
{
    explicit ProgramFolder(const std::optional<QString> &netPathMed = std::nullopt)
        : dir(fixtureFolder() + QStringLiteral("/window-XXXXXX"))
    {
        ::chmod(dir.path().toLocal8Bit().constData(), 0777);
        if (netPathMed) {
            QFile ini(dir.filePath(QStringLiteral("telvosetup.ini")));
            EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write(("[IB]\r\nNetPathMed=" + *netPathMed + "\r\n").toUtf8());
        }
    }
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

// The window as the program shows it, with the dialogs recorded.
struct ShownWindow
{
    explicit ShownWindow(const QString &programFolder)
        : window(programFolder, std::make_unique<RecordingDialogs>(dialogs))
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents(); // the activation's start-up sequence
    }

    QList<int> shownIds() const
    {
        QList<int> ids;
        for (int r = 0; r < window.dsAT->rowCount(); ++r)
            ids << window.dsAT->data(window.dsAT->index(r, 0)).toInt();
        return ids;
    }

    QStringList footer() const
    {
        QStringList texts;
        for (int c = 0; c < 8; ++c)
            texts << window.grdAT->footer()->cellText(c);
        return texts;
    }

    void refreshWith(DateField *field, const QString &text)
    {
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
        QTest::mouseClick(window.btnRefresh, Qt::LeftButton);
    }

    DialogLog dialogs;
    TfrmDatabaseUpdate window;
};

class WindowWithPractice : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The practice lies in the program folder itself; the value comes quoted and with blanks.
        folder = std::make_unique<ProgramFolder>();
        QFile ini(folder->dir.filePath(QStringLiteral("telvosetup.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[IB]\nNetPathMed = \"127.0.0.1:" + folder->path() + "/\"\n").toUtf8());
        ini.close();
        database = std::make_unique<PracticeFixture>(
            PracticeFixture::ExactFile{folder->dir.filePath(QStringLiteral("medical.gdb"))}, practice());
    }
    static void TearDownTestSuite()
    {
        database.reset();
        folder.reset();
    }

    static inline std::unique_ptr<ProgramFolder> folder;
    static inline std::unique_ptr<PracticeFixture> database;
};

TEST_F(WindowWithPractice, StartUpShowsTheProvidersWithRenderedVisits)
{
    ShownWindow s(folder->path());
    EXPECT_TRUE(s.dialogs.shown.isEmpty()) << s.dialogs.shown.join('\n').toStdString();
    EXPECT_TRUE(s.window.conMain.isConnected());
    EXPECT_EQ(s.window.edtStartDate->text(), "10/1/2010");
    EXPECT_EQ(s.window.edtEndDate->text(), "12/31/2010");
    EXPECT_EQ(s.shownIds(), QList<int>({1, 3}));
    EXPECT_EQ(s.window.dsAT->data(s.window.dsAT->index(0, 1)).toString(), "Avery, MD");
    // Render 3+1 (MC 2+0), billed 2+0 (MC 1+0); Baker's billed visits are not counted.
    EXPECT_EQ(s.footer(), QStringList({"", "", "4", "2", "50.0%", "2", "1", "50.0%"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(s.window.statusBar->currentMessage().isEmpty());
}

TEST_F(WindowWithPractice, RefreshFollowsTheDateFieldsAndReportsABadDate)
{
    ShownWindow s(folder->path());
    s.refreshWith(s.window.edtEndDate, QStringLiteral("1/31/2011"));
    EXPECT_EQ(s.shownIds(), QList<int>({1, 3}));
    EXPECT_EQ(s.footer(), QStringList({"", "", "5", "3", "60.0%", "3", "2", "66.7%"}));

    // An empty start date: no bound, zero counts, every row filtered out.
    s.refreshWith(s.window.edtStartDate, QString());
    EXPECT_EQ(s.window.dsAT->rowCount(), 0);
    EXPECT_EQ(s.footer(), QStringList(8));
    EXPECT_TRUE(s.dialogs.shown.isEmpty());

    // Text that is no date: the report, an empty grid, the default pointer (not the one before).
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    s.refreshWith(s.window.edtStartDate, QStringLiteral("10/1/2010"));
    s.refreshWith(s.window.edtEndDate, QStringLiteral("12/32/2010"));
    EXPECT_EQ(s.dialogs.shown, QStringList({"report: '12/32/2010' is not a valid date and time."}));
    EXPECT_EQ(s.window.dsAT->rowCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    s.refreshWith(s.window.edtEndDate, QStringLiteral("12/31/2010"));
    EXPECT_EQ(s.shownIds(), QList<int>({1, 3}));
    EXPECT_EQ(s.dialogs.shown.size(), 1);
    EXPECT_TRUE(s.window.statusBar->currentMessage().isEmpty());
}

TEST_F(WindowWithPractice, LaterActivationsDoNotRunTheStartUpAgain)
{
    ShownWindow s(folder->path());
    const QStringList prepared = s.window.conMain.preparedStatements();
    s.window.edtEndDate->setText(QStringLiteral("1/31/2011"));
    s.window.FormActivate();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    s.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.window));
    QCoreApplication::processEvents();
    EXPECT_EQ(s.window.conMain.preparedStatements(), prepared);
    EXPECT_EQ(s.footer()[2], "4") << "no refresh ran";
    EXPECT_TRUE(s.dialogs.shown.isEmpty());
}

TEST(WindowStartUp, WithoutConfigurationShowsErrorThenTheBuiltInNamesFailure)
{
    ProgramFolder folder;
    ShownWindow s(folder.path());
    ASSERT_EQ(s.dialogs.shown.size(), 2) << s.dialogs.shown.join('\n').toStdString();
    const QString iniPath = QDir::toNativeSeparators(folder.path()) + "/telvosetup.ini";
    EXPECT_EQ(s.dialogs.shown[0], "opening: Cannot find NetPathMed in file " + iniPath
                                      + ".  Check to make sure you installed the update in the TELVO folder.");
    // The refresh attaches to 127.0.0.1:c:\gdbmed\medical.gdb, which this server does not have:
    // the report carries the connection's own text for that.
    DatabaseConnection builtIn;
    builtIn.setDatabaseName(QStringLiteral("127.0.0.1:c:\\gdbmed\\medical.gdb"));
    QString refused;
    try {
        builtIn.connect();
    } catch (const BresolanError &e) {
        refused = e.message();
    }
    ASSERT_FALSE(refused.isEmpty());
    EXPECT_EQ(s.dialogs.shown[1], "report: " + errorReportText(refused));
    EXPECT_EQ(s.window.conMain.databaseName(), "127.0.0.1:c:\\gdbmed\\medical.gdb");
    EXPECT_EQ(s.window.dsAT->rowCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Refresh tries again and reports again; the window stays usable.
    QTest::mouseClick(s.window.btnRefresh, Qt::LeftButton);
    EXPECT_EQ(s.dialogs.shown.size(), 3);
}

TEST(WindowLayout, PlacesTheControlsAndKeepsThemWhileTheGridFollowsTheWindow)
{
    ProgramFolder folder(QStringLiteral("127.0.0.1:/nowhere/"));
    ShownWindow s(folder.path());
    TfrmDatabaseUpdate &w = s.window;
    EXPECT_EQ(w.objectName(), "frmDatabaseUpdate");
    EXPECT_EQ(w.windowTitle(), "Bresolan");
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(w.size(), QSize(w.scaled(459), w.scaled(324)));
    EXPECT_EQ(w.font().family(), "Arial");
    EXPECT_DOUBLE_EQ(w.font().pointSizeF(), 8.25);

    const auto place = [&](QWidget *widget) { return widget->geometry(); };
    const struct { QWidget *widget; QRect at; } fixed[] = {
        {w.btnRefresh, QRect(274, 3, 75, 24)}, {w.bPrintGrid, QRect(366, 3, 24, 24)},
        {w.bExport, QRect(392, 3, 24, 24)},   {w.btnHelp, QRect(418, 3, 24, 24)},
    };
    const auto scaledRect = [&](QRect r) { return QRect(w.scaled(r.x()), w.scaled(r.y()), w.scaled(r.width()), w.scaled(r.height())); };
    for (const auto &f : fixed)
        EXPECT_EQ(place(f.widget), scaledRect(f.at)) << f.widget->objectName().toStdString();
    EXPECT_EQ(w.edtStartDate->geometry().topLeft(), QPoint(w.scaled(69), w.scaled(4)));
    EXPECT_EQ(w.edtStartDate->width(), w.scaled(90));
    EXPECT_EQ(w.edtEndDate->geometry().topLeft(), QPoint(w.scaled(180), w.scaled(4)));
    EXPECT_EQ(w.lblDateRange->x(), w.scaled(6));
    EXPECT_EQ(w.lblTo->x(), w.scaled(163));
    EXPECT_EQ(place(w.grdAT), scaledRect(QRect(4, 30, 450, 271)));
    EXPECT_EQ(place(w.statusBar), QRect(0, w.height() - w.scaled(22), w.width(), w.scaled(22)));

    w.resize(w.scaled(700), w.scaled(500));
    QCoreApplication::processEvents();
    EXPECT_EQ(place(w.grdAT), QRect(w.scaled(4), w.scaled(30), w.width() - w.scaled(9), w.height() - w.scaled(53)));
    EXPECT_EQ(place(w.statusBar).bottom(), w.height() - 1);
    for (const auto &f : fixed)
        EXPECT_EQ(place(f.widget), scaledRect(f.at)) << "stays put: " << f.widget->objectName().toStdString();
    EXPECT_EQ(w.edtEndDate->geometry().topLeft(), QPoint(w.scaled(180), w.scaled(4)));
}

TEST(WindowLayout, TabsThroughDatesAndButtonsOnlyWithHintsAndNoDefaultButton)
{
    ProgramFolder folder(QStringLiteral("127.0.0.1:/nowhere/"));
    ShownWindow s(folder.path());
    TfrmDatabaseUpdate &w = s.window;
    w.edtStartDate->setFocus();
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    EXPECT_EQ(visited, (QList<QWidget *>{w.edtStartDate, w.edtEndDate, w.btnRefresh, w.bPrintGrid, w.bExport, w.btnHelp,
                                         w.edtStartDate}));
    EXPECT_EQ(w.viewAT->focusPolicy(), Qt::ClickFocus);

    EXPECT_EQ(w.btnRefresh->text(), "Refresh");
    EXPECT_EQ(w.btnRefresh->toolTip(), "Refresh the results below for the specified date range");
    EXPECT_EQ(w.bPrintGrid->toolTip(), "Print grid");
    EXPECT_EQ(w.bExport->toolTip(), "Save grid data to spreadsheet");
    EXPECT_EQ(w.btnHelp->toolTip(), "Help");
    for (QPushButton *button : {w.btnRefresh, w.bPrintGrid, w.bExport, w.btnHelp}) {
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_FALSE(button->text().contains('&'));
    }
    const QList<QWidget *> withoutHint{w.edtStartDate, w.edtEndDate, w.lblDateRange, w.lblTo,
                                       w.grdAT,        w.viewAT,     w.statusBar};
    for (QWidget *plain : withoutHint)
        EXPECT_TRUE(plain->toolTip().isEmpty()) << plain->objectName().toStdString();
    // Enter in a date field presses no button.
    const int before = s.dialogs.shown.size();
    QTest::keyClick(w.edtStartDate, Qt::Key_Return);
    EXPECT_EQ(s.dialogs.shown.size(), before);
}

// The real message boxes, answered by a timer as soon as they are up.
TEST(WindowDialogs, MessageBoxesCarryCaptionTextIconAndOneOk)
{
    QWidget parent;
    MessageBoxDialogs dialogs(&parent);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        // Besides OK only the box's own "Show Details..." for the description.
        seen = QStringList({box->windowTitle(), box->text(), box->detailedText(),
                            box->standardButtons() == QMessageBox::Ok ? "OK" : "other buttons",
                            box->icon() == QMessageBox::Critical ? "error icon" : "other icon"})
                   .join('|');
        box->done(QMessageBox::Ok);
    });
    dialogs.showOpeningFailed(QStringLiteral("Cannot find NetPathMed in file x.ini."));
    EXPECT_EQ(seen, "Error|Error opening database.|Cannot find NetPathMed in file x.ini.|OK|error icon");

    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = QStringList({box->windowTitle(), box->text(), QString::number(box->buttons().size()),
                            box->icon() == QMessageBox::Critical ? "error icon" : "other icon"})
                   .join('|');
        box->done(QMessageBox::Ok);
    });
    dialogs.showErrorReport(QStringLiteral("Invalid connection path."));
    // The caption is the program file's name: this test program's, here.
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(seen, caption.left(1) + caption.mid(1).toLower() + "|Invalid connection path.|1|error icon");
}

} // namespace
