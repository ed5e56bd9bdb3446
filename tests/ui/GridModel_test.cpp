// dsAT: the results as an item model — roles, colour bands, footer texts, sorting, resets.
#include "ResultsModel.h"
#include "RowFilter.h"
#include "WindowTestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using windowtest::visitRow;

int column(GridField field)
{
    return ResultsModel::columnOf(field);
}

QVariant cell(const ResultsModel &model, int row, GridField field, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column(field)), role);
}

QStringList footerTexts(const ResultsModel &model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.footerText(c);
    return texts;
}

// Loads rows the way the refresh does, with the row filter installed.
void load(ResultsModel &model, std::vector<VisitRow> rows)
{
    model.change([](ResultsTable &table) { installRenderedVisitFilter(table.filter()); });
    model.suspend();
    model.resume(std::move(rows));
}

TEST(GridModel, PassesTheItemModelTesterThroughLoadsSortsAndClears)
{
    ResultsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    load(model, {visitRow(3, "Cole", 10, 2, 8, 1), visitRow(1, "Avery", 4, 4, 0, 0), visitRow(2, "Baker", 7, 0, 7, 3)});
    EXPECT_EQ(model.rowCount(), 2); // Avery rendered nothing: filtered out
    model.sortByHeader(column(GridField::SigName), Qt::NoModifier);
    model.sortByHeader(column(GridField::PctRender), Qt::ShiftModifier);
    model.suspend();
    model.resume({});
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(GridModel, ShowsCaptionsTextsAndAlignmentReadOnly)
{
    ResultsModel model;
    load(model, {visitRow(7, "Dr. Zoë Ng", 2000, 250, 400, 49)});
    const QStringList captions = {"Prov ID", "Total Render", "MCD Render", "% MCD Render", "Total Billed",
                                  "MCD Billed", "% MCD Billed"};
    QStringList shown;
    for (int c = 0; c < model.columnCount(); ++c)
        if (c != column(GridField::SigName))
            shown << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(shown, captions);
    EXPECT_EQ(model.headerData(column(GridField::SigName), Qt::Horizontal).toString(), "Provider Name");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignCenter, int(Qt::AlignCenter));

    const struct { GridField field; const char *text; Qt::Alignment horizontal; } cells[] = {
        {GridField::AddrId, "7", Qt::AlignRight},         {GridField::SigName, "Dr. Zoë Ng", Qt::AlignLeft},
        {GridField::TotalRender, "400", Qt::AlignRight},  {GridField::McRender, "49", Qt::AlignRight},
        {GridField::PctRender, "12.3%", Qt::AlignRight},  {GridField::TotalBilled, "2000", Qt::AlignRight},
        {GridField::McBilled, "250", Qt::AlignRight},     {GridField::PctBilled, "12.5%", Qt::AlignRight},
    };
    for (const auto &c : cells) {
        SCOPED_TRACE(gridColumn(c.field).name);
        EXPECT_EQ(cell(model, 0, c.field).toString(), c.text);
        EXPECT_EQ(cell(model, 0, c.field, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask, int(c.horizontal));
        const Qt::ItemFlags flags = model.flags(model.index(0, column(c.field)));
        EXPECT_FALSE(flags & Qt::ItemIsEditable);
        EXPECT_TRUE(flags & Qt::ItemIsSelectable);
    }
}

TEST(GridModel, BandsColourBothShareColumnsByTheStoredNumber)
{
    const QColor red(255, 128, 128), yellow(255, 255, 128), green(128, 255, 128);
    const struct { int medicaid, total; const char *text; QColor band; } cases[] = {
        {499, 2500, "20.0%", red},     // 19.96: reads 20.0% on a red band
        {1, 5, "20.0%", yellow},       // exactly 20
        {299, 997, "30.0%", yellow},   // 29.99
        {3, 10, "30.0%", green},       // exactly 30
        {0, 5, ".0%", red},
        {0, 0, ".0%", red},            // no visits: no share
        {7, 7, "100.0%", green},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(c.medicaid).arg(c.total).toStdString());
        ResultsModel model;
        // Render and billed counts differ, so each column is seen to read its own share.
        load(model, {visitRow(1, "A", c.total, c.medicaid, 1, 1), visitRow(2, "B", 1, 1, c.total == 0 ? 1 : c.total,
                                                                           c.total == 0 ? 0 : c.medicaid)});
        const int billedRow = 0, renderRow = 1;
        EXPECT_EQ(cell(model, billedRow, GridField::PctBilled).toString(), c.text);
        EXPECT_EQ(cell(model, billedRow, GridField::PctBilled, Qt::BackgroundRole).value<QColor>(), c.band);
        EXPECT_EQ(cell(model, renderRow, GridField::PctRender, Qt::BackgroundRole).value<QColor>(), c.band);
        EXPECT_EQ(cell(model, billedRow, GridField::PctRender, Qt::BackgroundRole).value<QColor>(), green); // 1 of 1
        for (GridField plain : {GridField::AddrId, GridField::SigName, GridField::TotalRender, GridField::McBilled})
            EXPECT_FALSE(cell(model, billedRow, plain, Qt::BackgroundRole).isValid());
    }
}

TEST(GridModel, FooterSumsTheVisibleRowsOnlyAndSortingLeavesItAlone)
{
    ResultsModel model;
    EXPECT_EQ(footerTexts(model), QStringList(8)) << "blank before the first query";
    load(model, {visitRow(1, "A", 100, 20, 90, 30), visitRow(2, "B", 80, 25, 0, 0), // B: no rendered visit, hidden
                 visitRow(3, "C", 80, 25, 1144, 5)});
    const QStringList expected = {"", "", "1234", "35", "2.8%", "180", "45", "25.0%"};
    EXPECT_EQ(footerTexts(model), expected);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.sortByHeader(column(GridField::PctBilled), Qt::NoModifier);
    model.sortByHeader(column(GridField::PctBilled), Qt::NoModifier);
    EXPECT_EQ(resets.count(), 0) << "a sort moves rows; it does not reset the view";
    EXPECT_EQ(footerTexts(model), expected);

    // Rows with billed totals of 0: the billed share reads 0.0% in the footer.
    load(model, {visitRow(4, "D", 0, 0, 3, 1)});
    EXPECT_EQ(footerTexts(model), QStringList({"", "", "3", "1", "33.3%", "0", "0", "0.0%"}));
    load(model, {});
    EXPECT_EQ(footerTexts(model), QStringList(8));
}

TEST(GridModel, HeaderClicksSortWithShiftAddingAndCtrlRemovingKeepingTheCurrentProvider)
{
    ResultsModel model;
    load(model, {visitRow(1, "Baker", 10, 1, 10, 5), visitRow(2, "Avery", 10, 1, 10, 2), visitRow(3, "Cole", 10, 5, 10, 5),
                 visitRow(4, "Avery", 10, 5, 10, 2)});
    const auto ids = [&] {
        QList<int> order;
        for (int r = 0; r < model.rowCount(); ++r)
            order << cell(model, r, GridField::AddrId).toInt();
        return order;
    };
    const QPersistentModelIndex current = model.index(2, 0); // Cole
    const int name = column(GridField::SigName), pct = column(GridField::PctBilled);

    model.sortByHeader(name, Qt::NoModifier);
    EXPECT_EQ(ids(), QList<int>({2, 4, 1, 3})); // ties keep the server's order
    EXPECT_EQ(model.sortOrder(name), Qt::AscendingOrder);
    EXPECT_EQ(current.row(), 3);
    model.sortByHeader(pct, Qt::ShiftModifier);
    model.sortByHeader(pct, Qt::ShiftModifier); // turned round: descending within the name
    EXPECT_EQ(ids(), QList<int>({4, 2, 1, 3}));
    EXPECT_EQ(model.sortOrder(pct), Qt::DescendingOrder);
    model.sortByHeader(name, Qt::ControlModifier);
    EXPECT_EQ(ids(), QList<int>({3, 4, 1, 2}));
    EXPECT_FALSE(model.sortOrder(name).has_value());
    model.sortByHeader(pct, Qt::ControlModifier);
    EXPECT_EQ(ids(), QList<int>({1, 2, 3, 4})) << "without a sort the server's order returns";
    EXPECT_EQ(cell(model, current.row(), GridField::AddrId).toInt(), 3);
    model.sortByHeader(name, Qt::NoModifier);
    model.sortByHeader(name, Qt::NoModifier);
    EXPECT_EQ(ids(), QList<int>({3, 1, 2, 4}));
    EXPECT_EQ(model.sortOrder(name), Qt::DescendingOrder);
}

} // namespace
