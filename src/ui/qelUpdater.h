#pragma once
// TfrmDatabaseUpdate: the program's one window. It holds the date range, the four buttons, the
// results grid and the status bar, and wires each handler to the room that does the work. Every
// handler is an error boundary: failures are shown by the default error report and never reach
// the event loop.

#include "DatabaseConnection.h"
#include "ErrorDialogs.h"
#include "SpreadsheetExporter.h"
#include "StartupSequence.h"
#include "VisitQuery.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>

class DateField;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableView;
class ReportPrinter;
class ResultsGridView;
class ResultsModel;
class QUrl;

class TfrmDatabaseUpdate : public QWidget
{
    Q_OBJECT
public:
    // programFolder: where telvosetup.ini is looked for; dialogs: the message boxes (the real
    // ones when none is given).
    explicit TfrmDatabaseUpdate(QString programFolder = QCoreApplication::applicationDirPath(),
                                std::unique_ptr<ErrorDialogs> dialogs = {}, QWidget *parent = nullptr);
    ~TfrmDatabaseUpdate() override;

    // Client-area pixels at 96 dpi to pixels on this screen.
    int scaled(int pixels) const;

    // The print preview's component, made at the first print and kept for the run, so that
    // page-setup changes stay.
    ReportPrinter &dxComponentPrinter1();

    // Test seam: the save dialog of the export.
    void setSaveDialog(SaveDialog dialog) { SaveDlg = SpreadsheetExporter(std::move(dialog)); }

    // Test seam: what hands the help address to the browser.
    void setHelpOpener(std::function<bool(const QUrl &)> opener) { m_helpOpener = std::move(opener); }

    // The components, named as the system names them.
    DatabaseConnection conMain;
    VisitQuery qryAT{conMain};
    ResultsModel *dsAT;
    ResultsGridView *grdAT;
    QTableView *viewAT;
    QLabel *lblDateRange;
    DateField *edtStartDate;
    QLabel *lblTo;
    DateField *edtEndDate;
    QPushButton *btnRefresh;
    QPushButton *bPrintGrid;
    QPushButton *bExport;
    QPushButton *btnHelp;
    QStatusBar *statusBar;

public slots:
    // The start-up sequence, on the first activation only: open the practice database (a failure
    // shows "Error opening database."), install the grid's row filter, refresh.
    void FormActivate();
    // Re-runs qryAT for the two date fields' texts and reloads the grid once. Raises what the
    // refresh raises: call it only inside an error boundary.
    void RefreshResults();
    void btnRefreshClick();
    void bPrintGridClick();
    void bExportClick();
    void btnHelpClick();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // Runs a handler's work and shows any failure in the default error report.
    void guarded(const std::function<void()> &work);

    QString m_programFolder;
    std::unique_ptr<ErrorDialogs> m_dialogs;
    StartupSequence m_startup;
    std::unique_ptr<ReportPrinter> m_printer;
    SpreadsheetExporter SaveDlg; // keeps the file type of the last successful export
    std::function<bool(const QUrl &)> m_helpOpener;
};
