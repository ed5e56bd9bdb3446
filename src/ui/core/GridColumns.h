#pragma once
// The eight columns of the results grid (viewAT) in their default order, with their captions,
// widths and alignment, and the colour bands of the two share columns.

#include <QColor>
#include <QString>
#include <Qt>

#include <array>

enum class GridField { AddrId, SigName, TotalRender, McRender, PctRender, TotalBilled, McBilled, PctBilled };

struct GridColumnSpec
{
    GridField field;
    const char *name;      // the column object's name, e.g. "viewATADDR_ID"
    const char *caption;   // header text
    int width;             // pixels at 96 dpi
    Qt::Alignment alignment;
    bool banded;           // a share column, coloured by its value
    bool summed;           // a count column, summed in the footer
};

// In display order: Prov ID, Provider Name, Total Render, MCD Render, % MCD Render,
// Total Billed, MCD Billed, % MCD Billed.
const std::array<GridColumnSpec, 8> &gridColumns();
const GridColumnSpec &gridColumn(GridField field);

// cxStyle0 (below 20), cxStyle20 (20 up to below 30), cxStyle30 (30 and above).
enum class ShareBand { Below20, From20, From30 };
ShareBand shareBand(double share); // by the stored number: 19.96 is Below20
QColor bandColour(ShareBand band); // 255,128,128 / 255,255,128 / 128,255,128
const char *bandStyleName(ShareBand band); // "cxStyle0", "cxStyle20", "cxStyle30"
