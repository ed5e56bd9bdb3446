#pragma once
// grdAT: the results grid. It shows the model's rows in viewAT (a table view with a header that
// wraps its captions and sorts on a click), a footer row under the data and a horizontal scroll
// bar under the footer. Read-only; the whole row is focused; the focused row is highlighted only
// while the grid has the input focus; "<No data to display>" stands in the data area when no row
// is visible.

#include "ResultsTable.h"

#include <QFrame>

class GridFooter;
class QHeaderView;
class QScrollBar;
class QTableView;
class ResultsModel;

class ResultsGridView : public QFrame
{
public:
    explicit ResultsGridView(ResultsModel &model, QWidget *parent = nullptr);

    QTableView *view() const { return m_view; } // viewAT
    QHeaderView *header() const;
    GridFooter *footer() const { return m_footer; }
    QScrollBar *horizontalScrollBar() const { return m_scrollBar; }

    // The columns as the user sees them: visual order and on-screen widths.
    QList<ResultsTable::ColumnLayout> columnLayout() const;
    // What the grid shows now, for printing and exporting.
    GridSnapshot snapshot() const;

    static QString noDataText();

private:
    void followInnerScrollBar();

    ResultsModel &m_model;
    QTableView *m_view;      // child of this grid
    GridFooter *m_footer;    // child of this grid
    QScrollBar *m_scrollBar; // child of this grid
};
