#pragma once
// The grid as one worksheet: the header row with the captions, one text row per grid row,
// and the footer row with the four sums as numbers; every cell with the grid's look for it
// (fill, font, alignment, grid lines) and every column as wide as on screen.

#include "GridSnapshot.h"
#include "Sheet.h"

#include <QString>

// Column width in 1/256 of a character: pixels × 36.6 ÷ (dpi ÷ 96), the ratio taken as 1 below 1,
// rounded to the nearest integer.
int workbookColumnWidth(int pixels, int screenDpi);

// The worksheet's name for the file written at `path`: the file name without folder and
// extension, made a valid sheet name.
QString workbookSheetName(const QString &path);

// At most 256 columns and 65,536 rows (header and footer included); the rest is dropped.
xls::Sheet gridWorksheet(const GridSnapshot &snapshot, const QString &sheetName);
