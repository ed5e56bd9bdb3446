#pragma once
// The grid's content without the widget: the fetched rows in the server's order, the row filter,
// the user's sort, the cell display texts, the colour bands and the footer. The window's model
// and bresolan-report both read it.

#include "GridColumns.h"
#include "GridSnapshot.h"
#include "RowFilter.h"
#include "SortState.h"
#include "VisitRow.h"

#include <QLocale>

#include <optional>
#include <vector>

class ResultsTable
{
public:
    ResultsTable();
    // A copy follows its own filter, not the original's.
    ResultsTable(const ResultsTable &other);
    ResultsTable &operator=(const ResultsTable &other);

    // A new result (rows in the server's order), or none (the query is closed).
    void setRows(std::vector<VisitRow> rows);
    void clear() { setRows({}); }
    const std::vector<VisitRow> &allRows() const { return m_rows; }

    RowFilter &filter() { return m_filter; }
    const RowFilter &filter() const { return m_filter; }

    SortState &sort() { return m_sort; }
    void sortChanged() { rebuild(); } // after changing sort()

    // The rows the grid shows: filtered, then sorted (stable, so ties keep the server's order).
    int visibleCount() const { return static_cast<int>(m_visible.size()); }
    const VisitRow &visibleRow(int index) const { return m_rows[m_visible[static_cast<std::size_t>(index)]]; }

    // The decimal separator of the user's regional settings, for the share texts.
    void setLocale(const QLocale &locale) { m_decimal = locale.decimalPoint().at(0); }
    QChar decimalSeparator() const { return m_decimal; }

    QString cellText(int visibleIndex, GridField field) const;
    std::optional<ShareBand> cellBand(int visibleIndex, GridField field) const;

    // Footer: the sums of the four count columns over the visible rows (none without rows),
    // their texts, and the two shares of the column totals; blank under the other columns.
    std::optional<qint64> footerSum(GridField field) const;
    QString footerText(GridField field) const;

    // The grid as shown, with the columns in the given order and widths (default: the default
    // layout) — for the report, the exports and bresolan-report.
    struct ColumnLayout { GridField field; int width; };
    GridSnapshot snapshot(const QList<ColumnLayout> &columns = defaultLayout(), int screenDpi = 96) const;
    static QList<ColumnLayout> defaultLayout();

private:
    void rebuild();

    std::vector<VisitRow> m_rows;
    std::vector<std::size_t> m_visible;
    RowFilter m_filter;
    SortState m_sort;
    QChar m_decimal = u'.';
    qint64 m_sums[8] = {};
};
