#pragma once
// The main window's printer and its print preview of the results grid. One per window, kept
// for the whole run, so that what the user changes in the preview's page setup stays in
// force for later previews.
//
// The report always prints every row of the grid as it stands (filtered and sorted); rows
// selected in the grid do not limit it.

#include "GridSnapshot.h"

#include <QDateTime>
#include <QLocale>
#include <QPrinter>
#include <QString>

#include <functional>

class QPrintPreviewDialog;
class QWidget;

class ReportPrinter
{
public:
    using Clock = std::function<QDateTime()>;
    // Runs the dialog and returns its result; exec() unless a test puts something else here.
    using DialogRunner = std::function<int(QPrintPreviewDialog &)>;

    // The printer starts on Letter, landscape, margins of 0.5 in, document name "Bresolan".
    explicit ReportPrinter(QLocale locale = QLocale::system(), Clock clock = {});

    ReportPrinter(const ReportPrinter &) = delete;
    ReportPrinter &operator=(const ReportPrinter &) = delete;

    // Opens the modal "Print Preview" window of the report of `grid` under `title` (see
    // reportTitle()) and returns when the user closes it. The report's date and time is taken
    // when the preview opens and again when a print job starts. A failure while rendering
    // closes the preview and is thrown from here as BresolanError.
    void preview(QWidget *parent, const GridSnapshot &grid, const QString &title);

    QPrinter &printer() { return m_printer; }

    void setDialogRunner(DialogRunner runner);

private:
    QPrinter m_printer;
    QLocale m_locale;
    Clock m_clock;
    DialogRunner m_runDialog;
};
