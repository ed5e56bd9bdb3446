#pragma once
// The files bresolan-report writes besides its table: the same code as the window's export and
// print.

#include "GridSnapshot.h"
#include "ReportOptions.h"

#include <QLocale>

#include <cstdio>

// Throws BresolanError when an output cannot be written.
void writeReportOutputs(const GridSnapshot &grid, const ReportOptions &options, const QLocale &locale, std::FILE *out);
