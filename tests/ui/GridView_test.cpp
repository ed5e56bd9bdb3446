// grdAT as the user meets it: header clicks with modifiers, the footer row following the
// columns, "<No data to display>", and the row highlight only while the grid has the focus.
#include "GridFooter.h"
#include "ResultsGridView.h"
#include "ResultsModel.h"
#include "RowFilter.h"
#include "WindowTestSupport.h"

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using windowtest::visitRow;

// A grid in a small window, beside a line edit that can take the focus away from it.
struct GridOnScreen
{
    GridOnScreen()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(&other);
        layout->addWidget(&grid);
        window.resize(560, 300);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void load(std::vector<VisitRow> rows)
    {
        model.change([](ResultsTable &table) { installRenderedVisitFilter(table.filter()); });
        model.suspend();
        model.resume(std::move(rows));
        QCoreApplication::processEvents();
    }

    void clickHeader(GridField field, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QHeaderView *header = grid.header();
        const int logical = ResultsModel::columnOf(field);
        const QPoint at(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
    }

    QList<int> shownIds() const
    {
        QList<int> ids;
        for (int r = 0; r < model.rowCount(); ++r)
            ids << model.data(model.index(r, 0)).toInt();
        return ids;
    }

    QStringList footerInVisualOrder() const
    {
        QStringList texts;
        for (int visual = 0; visual < grid.header()->count(); ++visual)
            texts << grid.footer()->cellText(grid.header()->logicalIndex(visual));
        return texts;
    }

    QColor pixelOfCell(int row, GridField field)
    {
        const QRect rect = grid.view()->visualRect(model.index(row, ResultsModel::columnOf(field)));
        return grid.view()->viewport()->grab().toImage().pixelColor(rect.center() + QPoint(0, rect.height() / 2 - 2));
    }

    QWidget window;
    QLineEdit other;
    ResultsModel model;
    ResultsGridView grid{model};
};

TEST(GridView, IsReadOnlyWholeRowSingleSelectionWithMovableColumnsOfTheirWidths)
{
    GridOnScreen s;
    QTableView *view = s.grid.view();
    EXPECT_EQ(view->objectName(), "viewAT");
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(view->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(view->verticalHeader()->isHidden());
    EXPECT_FALSE(view->isSortingEnabled());
    QHeaderView *header = s.grid.header();
    EXPECT_TRUE(header->sectionsMovable());
    EXPECT_TRUE(header->sectionsClickable());
    const double scale = s.grid.logicalDpiX() / 96.0;
    const int widths[] = {40, 120, 45, 45, 45, 45, 45, 45};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(header->sectionResizeMode(c), QHeaderView::Interactive);
        EXPECT_EQ(header->sectionSize(c), qRound(widths[c] * scale)) << c;
    }
    // Captions wrap: "% MCD Render" needs two lines in 45 pixels, and the header is as tall.
    EXPECT_GE(header->height(), 2 * header->fontMetrics().height());
}

TEST(GridView, FooterFollowsMovedResizedAndScrolledColumns)
{
    GridOnScreen s;
    s.load({visitRow(1, "A", 100, 20, 90, 30), visitRow(3, "C", 80, 25, 1144, 5)});
    EXPECT_EQ(s.footerInVisualOrder(), QStringList({"", "", "1234", "35", "2.8%", "180", "45", "25.0%"}));

    QHeaderView *header = s.grid.header();
    const int pctBilled = ResultsModel::columnOf(GridField::PctBilled);
    header->moveSection(header->visualIndex(pctBilled), 0);
    EXPECT_EQ(s.footerInVisualOrder().first(), "25.0%");
    EXPECT_EQ(s.grid.footer()->cellRect(pctBilled).left(), 0);
    EXPECT_EQ(s.grid.snapshot().columns.first().field, GridField::PctBilled);
    EXPECT_EQ(s.grid.snapshot().footerTexts.first(), "25.0%");

    header->resizeSection(pctBilled, 300);
    EXPECT_EQ(s.grid.footer()->cellRect(pctBilled).width(), 300);
    QCoreApplication::processEvents();
    QScrollBar *bar = s.grid.horizontalScrollBar();
    ASSERT_TRUE(bar->isVisible()) << "the columns no longer fit: a horizontal scroll bar";
    bar->setValue(50);
    EXPECT_EQ(s.grid.view()->horizontalScrollBar()->value(), 50);
    EXPECT_EQ(s.grid.footer()->cellRect(pctBilled).left(), -50);
}

TEST(GridView, HeaderClicksSortWithShiftAndCtrlAndNeverChangeTheFooter)
{
    GridOnScreen s;
    s.load({visitRow(1, "Baker", 10, 1, 10, 5), visitRow(2, "Avery", 10, 1, 10, 2), visitRow(3, "Cole", 10, 5, 10, 5),
            visitRow(4, "Avery", 10, 5, 10, 2)});
    const QStringList footer = s.footerInVisualOrder();

    s.clickHeader(GridField::SigName);
    EXPECT_EQ(s.shownIds(), QList<int>({2, 4, 1, 3}));
    s.clickHeader(GridField::PctBilled, Qt::ShiftModifier);
    s.clickHeader(GridField::PctBilled, Qt::ShiftModifier);
    EXPECT_EQ(s.shownIds(), QList<int>({4, 2, 1, 3}));
    s.clickHeader(GridField::SigName, Qt::ControlModifier);
    EXPECT_EQ(s.shownIds(), QList<int>({3, 4, 1, 2}));
    s.clickHeader(GridField::AddrId);
    s.clickHeader(GridField::AddrId);
    EXPECT_EQ(s.shownIds(), QList<int>({4, 3, 2, 1})) << "a plain click drops the other sort columns";
    EXPECT_EQ(s.footerInVisualOrder(), footer);
}

TEST(GridView, EmptyGridSaysSoInTheDataAreaWithABlankFooter)
{
    GridOnScreen s;
    const auto middleHasText = [&] {
        const QImage image = s.grid.view()->viewport()->grab().toImage();
        const QColor background = image.pixelColor(2, 2);
        const QRect middle(image.width() / 2 - 60, image.height() / 2 - 8, 120, 16);
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
                if (image.pixelColor(x, y) != background)
                    return true;
        return false;
    };
    s.load({visitRow(1, "Billed only", 10, 5, 0, 0)}); // filtered out
    EXPECT_EQ(s.model.rowCount(), 0);
    EXPECT_TRUE(middleHasText());
    EXPECT_EQ(s.footerInVisualOrder(), QStringList(8));

    s.load({visitRow(1, "Shown", 10, 5, 1, 0)});
    EXPECT_FALSE(middleHasText()) << "the words go once a row shows";
}

TEST(GridView, FocusedRowIsHighlightedOnlyWhileTheGridHasTheFocus)
{
    GridOnScreen s;
    s.load({visitRow(1, "A", 10, 1, 10, 1), visitRow(2, "B", 10, 5, 10, 5)});
    const QColor red(255, 128, 128);
    QTableView *view = s.grid.view();
    const QRect rowRect = view->visualRect(s.model.index(0, ResultsModel::columnOf(GridField::SigName)));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect.center());
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);
    EXPECT_NE(s.pixelOfCell(0, GridField::PctBilled), red) << "selection colours while focused";
    EXPECT_EQ(s.pixelOfCell(1, GridField::PctBilled), QColor(128, 255, 128)) << "other rows keep their bands";

    s.other.setFocus();
    QCoreApplication::processEvents();
    ASSERT_FALSE(view->hasFocus());
    EXPECT_EQ(s.pixelOfCell(0, GridField::PctBilled), red) << "the band shows once the focus left";
}

} // namespace
