#pragma once
// The Export button's work (bExportClick): asks for a file name and type in the save dialog,
// then writes the grid as a workbook or as comma-separated text. Owned by the main window for
// the whole run, so the dialog keeps offering the file type of the last successful export.

#include "GridSnapshot.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

struct SaveDialogRequest
{
    QString fileName;         // proposed, without a folder
    QStringList nameFilters;  // the file types offered
    QString defaultSuffix;    // added to a name typed without an extension
    int filterIndex = 1;      // the type preselected, from 1
};

struct SaveDialogAnswer
{
    bool accepted = false;
    QString path;             // the chosen name, full path
    int filterIndex = 1;      // the type selected, from 1
};

// Shows the save dialog modally. Replaceable, so that tests need no real dialog.
using SaveDialog = std::function<SaveDialogAnswer(QWidget *parent, const SaveDialogRequest &request)>;

class SpreadsheetExporter
{
public:
    SpreadsheetExporter();                         // the platform's save dialog
    explicit SpreadsheetExporter(SaveDialog dialog);

    // Creates "export_files" beside the program (a failure is ignored), asks for the file and
    // writes it; nothing happens when the dialog is cancelled. The workbook goes to the chosen
    // name with ".xls" as its extension, the text to the chosen name itself, replacing an
    // existing file. Failures propagate as BresolanError; the busy cursor is gone again either way.
    void exportGrid(QWidget *parent, const GridSnapshot &snapshot, std::optional<QDate> start,
                    std::optional<QDate> end);

    // The type the dialog preselects: 1 (workbook) until a successful export chose another.
    int filterIndex() const { return m_filterIndex; }

    // The platform's save dialog (QFileDialog) with the request's settings and no question
    // before overwriting.
    static SaveDialogAnswer runFileDialog(QWidget *parent, const SaveDialogRequest &request);

private:
    SaveDialog m_dialog;
    int m_filterIndex = 1;
};
