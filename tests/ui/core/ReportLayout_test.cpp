#include "ReportLayout.h"
#include "ReportRenderer.h"
#include "ResultsTable.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <memory>

void PrintTo(const ReportPageRows &p, std::ostream *os)
{
    *os << "{" << p.first << "," << p.count << "}";
}

namespace {

struct Split
{
    int rows, firstCapacity, otherCapacity;
    QList<ReportPageRows> expected;
};

TEST(PaginateRows, EveryRowOnceInOrder)
{
    const Split cases[] = {
        {0, 5, 7, {{0, 0}}},                     // no rows: one page for the header and footer
        {5, 5, 7, {{0, 5}}},                     // the first page exactly full
        {6, 5, 7, {{0, 5}, {5, 1}}},             // one row over
        {19, 5, 7, {{0, 5}, {5, 7}, {12, 7}}},   // later pages hold more (no title)
        {20, 5, 7, {{0, 5}, {5, 7}, {12, 7}, {19, 1}}},
        {3, 0, -2, {{0, 1}, {1, 1}, {2, 1}}},    // a page too small for a row still takes one
    };
    for (const Split &c : cases) {
        EXPECT_EQ(paginateRows(c.rows, c.firstCapacity, c.otherCapacity), c.expected)
            << c.rows << " rows, " << c.firstCapacity << "/" << c.otherCapacity;
    }
}

class ReportLayoutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "ReportLayout_test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    static inline std::unique_ptr<QGuiApplication> s_app;
};

TEST_F(ReportLayoutTest, ColumnsScaledTogetherToTheWidthBetweenTheMargins)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setPageLayout(reportPageLayout());
    const qreal dpi = device.logicalDpiX();

    // Columns wider than the page on screen still fit between the margins.
    GridSnapshot grid = ResultsTable().snapshot({{GridField::SigName, 1200}, {GridField::AddrId, 400}, {GridField::PctBilled, 400}});
    const ReportLayout layout(grid, {"title"}, device.pageLayout(), device);

    const QList<qreal> edges = layout.columnEdges();
    ASSERT_EQ(edges.size(), 4);
    EXPECT_DOUBLE_EQ(edges[0], 0.5 * dpi);
    EXPECT_DOUBLE_EQ(edges[1], 0.5 * dpi + 6.0 * dpi);
    EXPECT_DOUBLE_EQ(edges[2], 0.5 * dpi + 8.0 * dpi);
    EXPECT_DOUBLE_EQ(edges[3], 10.5 * dpi);
    EXPECT_EQ(layout.paper(), QRectF(0, 0, 11 * dpi, 8.5 * dpi));
    EXPECT_EQ(layout.deviceOrigin(), QPointF(0, 0)); // full-page mode
    EXPECT_EQ(layout.pageCount(), 1);
}

} // namespace
