#include "qelUpdater.h"

#include "BresolanError.h"
#include "DateField.h"
#include "ErrorDialogs.h"
#include "ErrorReport.h"
#include "Glyphs.h"
#include "QelUtil.h"
#include "GridSnapshot.h"
#include "RefreshResults.h"
#include "ReportPrinter.h"
#include "ReportTexts.h"
#include "ResultsGridView.h"
#include "ResultsModel.h"
#include "RowFilter.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>

namespace {

// Client area at 96 dpi.
constexpr int kClientWidth = 459;
constexpr int kClientHeight = 324;

QPushButton *glyphButton(QWidget *parent, const char *name, const QIcon &glyph, const char *hint)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(glyph);
    button->setToolTip(QString::fromLatin1(hint));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TfrmDatabaseUpdate::TfrmDatabaseUpdate(QString programFolder, std::unique_ptr<ErrorDialogs> dialogs, QWidget *parent)
    : QWidget(parent)
    , m_programFolder(std::move(programFolder))
    , m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<MessageBoxDialogs>(this))
{
    setObjectName(QStringLiteral("frmDatabaseUpdate"));
    setWindowTitle(QStringLiteral("Bresolan"));
    setWindowIcon(Glyphs::window());
    setFont(gridFont());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);

    buildControls();

    const QSize client(scaled(kClientWidth), scaled(kClientHeight));
    const QScreen *screen = this->screen();
    setGeometry(screen ? QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen->availableGeometry())
                       : QRect(QPoint(0, 0), client));
}

TfrmDatabaseUpdate::~TfrmDatabaseUpdate() = default;

int TfrmDatabaseUpdate::scaled(int pixels) const
{
    return qRound(pixels * logicalDpiX() / 96.0);
}

void TfrmDatabaseUpdate::buildControls()
{
    dsAT = new ResultsModel(this);

    lblDateRange = new QLabel(QStringLiteral("Date range:"), this);
    lblDateRange->setObjectName(QStringLiteral("lblDateRange"));
    edtStartDate = new DateField(this);
    edtStartDate->setObjectName(QStringLiteral("edtStartDate"));
    edtStartDate->setDate(QDate(2010, 10, 1));
    lblTo = new QLabel(QStringLiteral("to:"), this);
    lblTo->setObjectName(QStringLiteral("lblTo"));
    edtEndDate = new DateField(this);
    edtEndDate->setObjectName(QStringLiteral("edtEndDate"));
    edtEndDate->setDate(QDate(2010, 12, 31));

    btnRefresh = glyphButton(this, "btnRefresh", Glyphs::refresh(),
                             "Refresh the results below for the specified date range");
    btnRefresh->setText(QStringLiteral("Refresh"));
    bPrintGrid = glyphButton(this, "bPrintGrid", Glyphs::print(), "Print grid");
    bExport = glyphButton(this, "bExport", Glyphs::exportFile(), "Save grid data to spreadsheet");
    btnHelp = glyphButton(this, "btnHelp", Glyphs::help(), "Help");

    grdAT = new ResultsGridView(*dsAT, this);
    viewAT = grdAT->view();

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));

    // Fixed places in the client area (96 dpi), anchored left and top.
    // The labels (left 6 and 163, top 5, their own size) are as tall as the date fields beside
    // them and centre their text, so that both lines of text stand on one baseline.
    const int line = edtStartDate->sizeHint().height();
    lblDateRange->setGeometry(scaled(6), scaled(4), lblDateRange->sizeHint().width(), line);
    edtStartDate->setGeometry(scaled(69), scaled(4), scaled(90), line);
    lblTo->setGeometry(scaled(163), scaled(4), lblTo->sizeHint().width(), line);
    edtEndDate->setGeometry(scaled(180), scaled(4), scaled(90), line);
    btnRefresh->setGeometry(scaled(274), scaled(3), scaled(75), scaled(24));
    bPrintGrid->setGeometry(scaled(366), scaled(3), scaled(24), scaled(24));
    bExport->setGeometry(scaled(392), scaled(3), scaled(24), scaled(24));
    btnHelp->setGeometry(scaled(418), scaled(3), scaled(24), scaled(24));
    for (QPushButton *button : {btnRefresh, bPrintGrid, bExport, btnHelp})
        button->setIconSize(QSize(scaled(16), scaled(16)));

    setTabOrder(edtStartDate, edtEndDate);
    setTabOrder(edtEndDate, btnRefresh);
    setTabOrder(btnRefresh, bPrintGrid);
    setTabOrder(bPrintGrid, bExport);
    setTabOrder(bExport, btnHelp);

    connect(btnRefresh, &QPushButton::clicked, this, &TfrmDatabaseUpdate::btnRefreshClick);
    connect(bPrintGrid, &QPushButton::clicked, this, &TfrmDatabaseUpdate::bPrintGridClick);
    connect(bExport, &QPushButton::clicked, this, &TfrmDatabaseUpdate::bExportClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmDatabaseUpdate::btnHelpClick);
}

void TfrmDatabaseUpdate::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The grid keeps 4, 30, 5 and 23 pixels to the left, top, right and bottom edges; the
    // status bar is docked at the bottom.
    const int barHeight = scaled(22);
    statusBar->setGeometry(0, height() - barHeight, width(), barHeight);
    grdAT->setGeometry(scaled(4), scaled(30), qMax(0, width() - scaled(4) - scaled(5)),
                       qMax(0, height() - scaled(30) - scaled(23)));
}

bool TfrmDatabaseUpdate::event(QEvent *event)
{
    // FormActivate is bound to the activation. Showing the window queues it as well, for
    // desktops that show a window without activating it (an X server without a window
    // manager); only the first call does anything.
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && !event->spontaneous()))
        QMetaObject::invokeMethod(this, &TfrmDatabaseUpdate::FormActivate, Qt::QueuedConnection);
    return QWidget::event(event);
}

void TfrmDatabaseUpdate::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const BresolanError &e) {
        m_dialogs->showErrorReport(errorReportText(e.message()));
    } catch (const std::exception &e) {
        m_dialogs->showErrorReport(errorReportText(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        m_dialogs->showErrorReport(errorReportText(QStringLiteral("Unknown error")));
    }
}

void TfrmDatabaseUpdate::FormActivate()
{
    if (!m_startup.takeFirstActivation())
        return;
    guarded([this] {
        if (const auto failure = openPracticeDatabase(conMain, configurationPath(m_programFolder)))
            m_dialogs->showOpeningFailed(*failure);
        dsAT->change([](ResultsTable &table) { installRenderedVisitFilter(table.filter()); });
        RefreshResults();
    });
}

void TfrmDatabaseUpdate::RefreshResults()
{
    RefreshHooks hooks;
    hooks.showBusyPointer = [] { QGuiApplication::setOverrideCursor(Qt::WaitCursor); };
    hooks.suspendView = [this] { dsAT->suspend(); };
    hooks.resumeView = [this] { dsAT->resume(qryAT.isOpen() ? qryAT.rows() : std::vector<VisitRow>{}); };
    hooks.showDefaultPointer = [] {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    };
    refreshResults(qryAT, edtStartDate->text(), edtEndDate->text(), QLocale::system(), hooks);
}

void TfrmDatabaseUpdate::btnRefreshClick()
{
    guarded([this] { RefreshResults(); });
}

ReportPrinter &TfrmDatabaseUpdate::dxComponentPrinter1()
{
    if (!m_printer)
        m_printer = std::make_unique<ReportPrinter>();
    return *m_printer;
}

void TfrmDatabaseUpdate::bPrintGridClick()
{
    // Every row of the grid prints, whatever is selected; the title names the window and the
    // date range as the fields show it.
    guarded([this] {
        dxComponentPrinter1().preview(this, grdAT->snapshot(),
                                      reportTitle(windowTitle(), edtStartDate->text(), edtEndDate->text()));
    });
}

void TfrmDatabaseUpdate::bExportClick()
{
    // What the grid shows, as a workbook or comma-separated text; the proposed name comes from
    // the fields' date values.
    guarded([this] {
        SaveDlg.exportGrid(this, grdAT->snapshot(), edtStartDate->dateValue(), edtEndDate->dateValue());
    });
}

void TfrmDatabaseUpdate::btnHelpClick()
{
    ShowContextHelp(m_helpOpener);
}
