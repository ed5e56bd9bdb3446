#include "ReportPrinter.h"

#include "ReportRenderer.h"

#include <QPaintEngine>
#include <QPrintPreviewDialog>

#include <exception>
#include <utility>

namespace {

const QString kDocumentName = QStringLiteral("Bresolan");

// The preview widget paints the report through the same printer as a real job, but with its
// recording engine swapped in.
bool isPreviewPass(QPrinter *printer)
{
    const QPaintEngine *engine = printer->paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

} // namespace

ReportPrinter::ReportPrinter(QLocale locale, Clock clock)
    : m_printer(QPrinter::HighResolution)
    , m_locale(std::move(locale))
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
    , m_runDialog([](QPrintPreviewDialog &dialog) { return dialog.exec(); })
{
    m_printer.setPageLayout(reportPageLayout());
    m_printer.setFullPage(true);
    m_printer.setDocName(kDocumentName);
}

void ReportPrinter::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

void ReportPrinter::preview(QWidget *parent, const GridSnapshot &grid, const QString &title)
{
    // A page range chosen for an earlier print job must not hide pages of this preview.
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setPageRanges(QPageRanges());

    const QDateTime previewTime = m_clock();
    std::exception_ptr failure;

    QPrintPreviewDialog dialog(&m_printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *printer) {
        if (failure)
            return;
        // Exceptions stop here: this runs inside the dialog's event handling.
        try {
            const QDateTime printed = isPreviewPass(printer) ? previewTime : m_clock();
            ReportRenderer(grid, title, printed, m_locale).render(*printer);
        } catch (...) {
            failure = std::current_exception();
            // Closed once its event loop runs: the first preview pass happens while the
            // dialog is still being shown.
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    });

    m_runDialog(dialog);
    if (failure)
        std::rethrow_exception(failure);
}
