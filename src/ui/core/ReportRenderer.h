#pragma once
// The printed report of the results grid: landscape Letter pages with a page header
// ("1 Of 3" at the left, the date and time printed at the right), the page number centred in
// the page footer, the two-line title on the first page, and the grid scaled to the width
// between the margins with its column headers and footer row on every page.
//
// Every row of the snapshot prints, in the snapshot's order: the report knows nothing of a
// selection in the grid.

#include "GridSnapshot.h"
#include "ReportTexts.h"

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QString>

// Letter, landscape, margins of 0.5 in, in full-page mode so that the page header and footer
// can print in the margins.
QPageLayout reportPageLayout();

class ReportRenderer
{
public:
    // `printed` is the report's date and time, the same on every page.
    ReportRenderer(GridSnapshot grid, QString title, QDateTime printed, QLocale locale);

    // The number of pages the report takes on the device with its current page layout.
    int pageCount(const QPagedPaintDevice &device) const;

    // Paints the report on the device with the device's own page layout (what the user set up
    // stays in force). Where the device names page ranges, only those pages print; the page
    // numbers still count every page. Throws BresolanError when the device refuses painting.
    void render(QPagedPaintDevice &device) const;

private:
    GridSnapshot m_grid;
    QString m_title;
    QDateTime m_printed;
    QLocale m_locale;
};

// Writes the report as a PDF file (Letter, landscape; title and creator "Bresolan"). The file
// is written beside `path` under a temporary name and renamed into place, so a failure leaves
// any earlier file as it was. Throws BresolanError with the reason on failure.
void writeReportPdf(const GridSnapshot &grid, const QString &title, const QDateTime &printed, const QLocale &locale,
                    const QString &path);
