#include "GridColumns.h"

namespace {

constexpr Qt::Alignment kNumber = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kText = Qt::AlignLeft | Qt::AlignVCenter;

const std::array<GridColumnSpec, 8> kColumns = {{
    {GridField::AddrId, "viewATADDR_ID", "Prov ID", 40, kNumber, false, false},
    {GridField::SigName, "viewATSIGNAME", "Provider Name", 120, kText, false, false},
    {GridField::TotalRender, "viewATTOTAL_RENDER", "Total Render", 45, kNumber, false, true},
    {GridField::McRender, "viewATMC_RENDER", "MCD Render", 45, kNumber, false, true},
    {GridField::PctRender, "viewATPCT_RENDER", "% MCD Render", 45, kNumber, true, false},
    {GridField::TotalBilled, "viewATTOTAL_BILLED", "Total Billed", 45, kNumber, false, true},
    {GridField::McBilled, "viewATMC_BILLED", "MCD Billed", 45, kNumber, false, true},
    {GridField::PctBilled, "viewATPCT_BILLED", "% MCD Billed", 45, kNumber, true, false},
}};

} // namespace

const std::array<GridColumnSpec, 8> &gridColumns()
{
    return kColumns;
}

const GridColumnSpec &gridColumn(GridField field)
{
    for (const GridColumnSpec &column : kColumns)
        if (column.field == field)
            return column;
    return kColumns.front(); // unreachable: every field has its column
}

ShareBand shareBand(double share)
{
    if (share >= 30)
        return ShareBand::From30;
    if (share >= 20)
        return ShareBand::From20;
    return ShareBand::Below20;
}

QColor bandColour(ShareBand band)
{
    switch (band) {
    case ShareBand::From30: return QColor(128, 255, 128);
    case ShareBand::From20: return QColor(255, 255, 128);
    case ShareBand::Below20: break;
    }
    return QColor(255, 128, 128);
}

const char *bandStyleName(ShareBand band)
{
    switch (band) {
    case ShareBand::From30: return "cxStyle30";
    case ShareBand::From20: return "cxStyle20";
    case ShareBand::Below20: break;
    }
    return "cxStyle0";
}
