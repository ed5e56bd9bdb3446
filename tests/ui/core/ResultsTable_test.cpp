#include "MedicaidShare.h"
#include "ResultsTable.h"

#include <gtest/gtest.h>

namespace {

VisitRow row(qint32 id, const char *name, qint32 totalRender, qint32 mcRender, qint32 totalBilled, qint32 mcBilled)
{
    VisitRow r;
    r.addrId = id;
    r.sigName = QString::fromUtf8(name);
    r.totalRender = totalRender;
    r.mcRender = mcRender;
    r.totalBilled = totalBilled;
    r.mcBilled = mcBilled;
    qryATCalcFields(r);
    return r;
}

ResultsTable filteredTable(std::vector<VisitRow> rows)
{
    ResultsTable table;
    installRenderedVisitFilter(table.filter());
    table.setRows(std::move(rows));
    return table;
}

TEST(ResultsTable, FooterTable)
{
    const struct { qint32 m, t; const char *text; } cases[] = {
        {45, 180, "25.0%"}, {7, 7, "100.0%"}, {49, 400, "12.3%"}, {247, 2000, "12.4%"}, {0, 0, "0.0%"}, {1, 3, "33.3%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        // The billed pair carries the case; the rendered pair keeps the row visible.
        const ResultsTable table = filteredTable({row(1, "A", 1, 0, c.t, c.m)});
        EXPECT_EQ(table.footerText(GridField::PctBilled), c.text);
        EXPECT_EQ(table.footerText(GridField::TotalBilled), QString::number(c.t));
        EXPECT_EQ(table.footerText(GridField::McBilled), QString::number(c.m));
    }
}

TEST(ResultsTable, FilterHidesRowsWithoutRenderedVisitsFromViewAndFooter)
{
    ResultsTable table = filteredTable({row(1, "A", 120, 30, 130, 35), row(2, "Bills only", 0, 0, 500, 400),
                                        row(3, "B", 1114, 0, 0, 0)});
    ASSERT_EQ(table.visibleCount(), 2);
    EXPECT_EQ(table.visibleRow(1).addrId, 3);
    EXPECT_EQ(table.footerText(GridField::TotalRender), "1234");
    EXPECT_EQ(table.footerText(GridField::TotalBilled), "130");
    EXPECT_EQ(table.footerText(GridField::McBilled), "35");
    EXPECT_EQ(table.footerText(GridField::PctBilled), "26.9%");
    EXPECT_EQ(table.footerText(GridField::AddrId), "");
    EXPECT_EQ(table.footerText(GridField::SigName), "");
    EXPECT_EQ(table.footerSum(GridField::TotalBilled), 130);
    EXPECT_EQ(table.footerSum(GridField::PctBilled), std::nullopt);
    EXPECT_EQ(table.cellText(1, GridField::PctBilled), ".0%"); // the row's own zero share

    // However often the filter is installed, it holds one condition.
    installRenderedVisitFilter(table.filter());
    installRenderedVisitFilter(table.filter());
    EXPECT_EQ(table.filter().conditions().size(), 1u);
    EXPECT_EQ(table.visibleCount(), 2);
}

TEST(ResultsTable, NoVisibleRowLeavesEveryFooterBlank)
{
    for (const std::vector<VisitRow> &rows : {std::vector<VisitRow>{}, std::vector<VisitRow>{row(1, "A", 0, 0, 9, 9)}}) {
        const ResultsTable table = filteredTable(rows);
        EXPECT_EQ(table.visibleCount(), 0);
        for (const GridColumnSpec &c : gridColumns()) {
            EXPECT_EQ(table.footerText(c.field), "");
            EXPECT_EQ(table.footerSum(c.field), std::nullopt);
        }
    }
}

TEST(ResultsTable, BandsFollowTheStoredNumber)
{
    // 2500/499 = 19.96 shows 20.0% on red; 29.99 stays yellow.
    const ResultsTable table = filteredTable({row(1, "a", 2500, 499, 0, 0), row(2, "b", 5, 1, 0, 0),
                                              row(3, "c", 10000, 2999, 0, 0), row(4, "d", 10, 3, 0, 0),
                                              row(5, "e", 1, 0, 0, 0)});
    const struct { const char *text; ShareBand band; } expected[] = {
        {"20.0%", ShareBand::Below20}, {"20.0%", ShareBand::From20}, {"30.0%", ShareBand::From20},
        {"30.0%", ShareBand::From30}, {".0%", ShareBand::Below20}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table.cellText(i, GridField::PctRender), expected[i].text) << i;
        EXPECT_EQ(table.cellBand(i, GridField::PctRender), expected[i].band) << i;
        EXPECT_EQ(table.cellBand(i, GridField::PctBilled), ShareBand::Below20) << i;
        EXPECT_EQ(table.cellBand(i, GridField::TotalRender), std::nullopt);
    }
    EXPECT_EQ(bandColour(ShareBand::Below20), QColor(255, 128, 128));
    EXPECT_EQ(bandColour(ShareBand::From20), QColor(255, 255, 128));
    EXPECT_EQ(bandColour(ShareBand::From30), QColor(128, 255, 128));
}

TEST(ResultsTable, HeaderClicksSortWithoutTouchingTheFooter)
{
    ResultsTable table = filteredTable({row(1, "b", 10, 5, 4, 1), row(2, "A", 10, 1, 4, 2), row(3, "c", 20, 5, 4, 3)});
    const QString footer = table.footerText(GridField::PctRender);
    const auto order = [&table] {
        QList<int> ids;
        for (int i = 0; i < table.visibleCount(); ++i)
            ids << table.visibleRow(i).addrId;
        return ids;
    };
    const struct { GridField field; Qt::KeyboardModifiers modifiers; QList<int> ids; } clicks[] = {
        {GridField::SigName, Qt::NoModifier, {2, 1, 3}},              // ascending, case-blind
        {GridField::SigName, Qt::NoModifier, {3, 1, 2}},              // then descending
        {GridField::TotalRender, Qt::NoModifier, {1, 2, 3}},          // a plain click drops the name; ties keep server order
        {GridField::McRender, Qt::ShiftModifier, {2, 1, 3}},          // Shift adds a second key
        {GridField::McRender, Qt::ShiftModifier, {1, 2, 3}},          // and turns it round
        {GridField::TotalRender, Qt::ControlModifier, {1, 3, 2}},     // Ctrl removes the first key; MCD Render stays descending
        {GridField::McRender, Qt::ControlModifier, {1, 2, 3}},        // no sort: server order
    };
    for (const auto &click : clicks) {
        table.sort().click(click.field, click.modifiers);
        table.sortChanged();
        EXPECT_EQ(order(), click.ids);
        EXPECT_EQ(table.footerText(GridField::PctRender), footer);
    }
}

TEST(ResultsTable, SnapshotFollowsColumnOrderAndLocale)
{
    ResultsTable table = filteredTable({row(12, "Provider A, MD", 3, 1, 0, 0)});
    table.setLocale(QLocale(QLocale::German, QLocale::Germany));
    const GridSnapshot s = table.snapshot({{GridField::PctRender, 60}, {GridField::AddrId, 40}}, 144);
    ASSERT_EQ(s.columns.size(), 2);
    EXPECT_EQ(s.columns[0].caption, "% MCD Render");
    EXPECT_EQ(s.columns[0].width, 60);
    EXPECT_EQ(s.screenDpi, 144);
    ASSERT_EQ(s.rows.size(), 1);
    EXPECT_EQ(s.rows[0][0].text, "33,3%");
    EXPECT_EQ(s.rows[0][0].band, ShareBand::From30);
    EXPECT_EQ(s.rows[0][1].text, "12");
    EXPECT_EQ(s.footerTexts, (QStringList{"33,3%", ""}));
    const GridSnapshot all = table.snapshot();
    QStringList captions;
    for (const SnapshotColumn &c : all.columns)
        captions << c.caption;
    EXPECT_EQ(captions, (QStringList{"Prov ID", "Provider Name", "Total Render", "MCD Render", "% MCD Render",
                                     "Total Billed", "MCD Billed", "% MCD Billed"}));
    EXPECT_EQ(all.footerSums[2], 3);
}

} // namespace
