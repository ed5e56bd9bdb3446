#include "SyntheticGrid.h"

#include "MedicaidShare.h"
#include "ResultsTable.h"

#include <QLocale>

std::vector<VisitRow> fetchedRows(int count, int zeroRenderEvery)
{
    std::vector<VisitRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        VisitRow row;
        row.addrId = 101 + i;
        row.sigName = QStringLiteral("Provider %1, Physician MD").arg(row.addrId);
        row.totalBilled = 40 + (i * 37) % 900;
        row.mcBilled = row.totalBilled * ((i * 11) % 45) / 100;
        const bool noRendered = zeroRenderEvery > 0 && i % zeroRenderEvery == zeroRenderEvery - 1;
        row.totalRender = noRendered ? 0 : 30 + (i * 53) % 800;
        row.mcRender = row.totalRender * ((i * 13) % 45) / 100;
        rows.push_back(std::move(row));
    }
    return rows;
}

GridSnapshot gridFromFetchedRows(std::vector<VisitRow> rows)
{
    for (VisitRow &row : rows)
        qryATCalcFields(row);
    ResultsTable table;
    table.setLocale(QLocale::system());
    installRenderedVisitFilter(table.filter());
    table.setRows(std::move(rows));
    GridSnapshot grid = table.snapshot();
    if (grid.footerTexts.size() != grid.columns.size())
        qFatal("the footer has %d texts for %d columns", int(grid.footerTexts.size()), int(grid.columns.size()));
    return grid;
}
