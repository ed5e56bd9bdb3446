#include "SpreadsheetExporter.h"

#include "ExportFiles.h"
#include "ExportNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

namespace {

// The application-wide busy cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void createExportFolder()
{
    QDir().mkpath(QCoreApplication::applicationDirPath() + QStringLiteral("/export_files")); // failure ignored
}

// Qt compares filters with surrounding blanks removed.
int filterIndexOf(const QStringList &filters, const QString &selected)
{
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters.at(i).simplified() == selected.simplified())
            return static_cast<int>(i) + 1;
    return 1;
}

// A name typed without an extension gets the selected type's: "*.csv" gives "csv".
QString suffixOfFilter(const QString &filter, const QString &fallback)
{
    const qsizetype dot = filter.lastIndexOf(QStringLiteral("(*."));
    const qsizetype close = filter.lastIndexOf(u')');
    if (dot < 0 || close < dot + 3)
        return fallback;
    const QString suffix = filter.mid(dot + 3, close - dot - 3);
    return suffix.contains(u'*') || suffix.contains(u' ') ? fallback : suffix;
}

} // namespace

SpreadsheetExporter::SpreadsheetExporter()
    : SpreadsheetExporter(&SpreadsheetExporter::runFileDialog)
{
}

SpreadsheetExporter::SpreadsheetExporter(SaveDialog dialog)
    : m_dialog(std::move(dialog))
{
}

void SpreadsheetExporter::exportGrid(QWidget *parent, const GridSnapshot &snapshot, std::optional<QDate> start,
                                     std::optional<QDate> end)
{
    createExportFolder();

    SaveDialogRequest request;
    request.fileName = proposedExportName(start, end);
    request.nameFilters = exportNameFilters();
    request.defaultSuffix = QStringLiteral("xls");
    request.filterIndex = m_filterIndex;
    const SaveDialogAnswer answer = m_dialog(parent, request);
    if (!answer.accepted)
        return;

    {
        const BusyCursor busy;
        if (answer.filterIndex == kWorkbookFileType)
            exportWorkbook(snapshot, workbookPathFor(answer.path));
        else
            exportCsv(snapshot, answer.path);
    }
    m_filterIndex = answer.filterIndex;
}

SaveDialogAnswer SpreadsheetExporter::runFileDialog(QWidget *parent, const SaveDialogRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(request.nameFilters);
    // The dialog keeps its filters with surrounding blanks removed; select by its own copy.
    const QString preselected = dialog.nameFilters().value(request.filterIndex - 1);
    if (!preselected.isEmpty())
        dialog.selectNameFilter(preselected);
    dialog.setDefaultSuffix(suffixOfFilter(preselected, request.defaultSuffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString &filter) {
        dialog.setDefaultSuffix(suffixOfFilter(filter, request.defaultSuffix));
    });
    dialog.selectFile(request.fileName);

    SaveDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (answer.accepted) {
        answer.path = dialog.selectedFiles().constFirst();
        answer.filterIndex = filterIndexOf(request.nameFilters, dialog.selectedNameFilter());
    }
    return answer;
}
