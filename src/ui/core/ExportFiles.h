#pragma once
// The two exports of the grid, each writing one file at exactly the path given: written to a
// temporary file beside it and renamed into place, so a failure leaves no partial file and an
// existing file as it was. Used by the window's export and by bresolan-report.

#include "GridSnapshot.h"

#include <QString>

// The workbook (.xls), its sheet named after the file. Throws BresolanError
// "Can't create the export output file".
void exportWorkbook(const GridSnapshot &snapshot, const QString &path);

// The comma-separated text (csvBytes). Throws BresolanError
// `Cannot create file "<path>". <system reason>`.
void exportCsv(const GridSnapshot &snapshot, const QString &path);
