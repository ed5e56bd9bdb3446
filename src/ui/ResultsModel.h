#pragma once
// dsAT: the results table as a Qt item model for the grid. Columns are in the grid's default
// order (the header may show them in another); rows are the visible rows, filtered and sorted.

#include "ResultsTable.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <optional>

// The colour-band rule: the background of a data cell, set only on the share columns.
std::optional<QColor> cellBackground(const ResultsTable &table, int visibleRow, GridField field);

class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ResultsModel(QObject *parent = nullptr);

    const ResultsTable &table() const { return m_table; }
    static GridField fieldAt(int column);
    static int columnOf(GridField field);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A change to the table that may change every row (the filter, for one): the views reset
    // once around it, also when it throws.
    void change(const std::function<void(ResultsTable &)> &edit);

    // The refresh: views stop following (suspend), then take the new rows once (resume); an
    // empty list when the query is closed.
    void suspend();
    void resume(std::vector<VisitRow> rows);

    // A click on the header of `column`; the rows move, the footer does not change.
    void sortByHeader(int column, Qt::KeyboardModifiers modifiers);
    std::optional<Qt::SortOrder> sortOrder(int column) const;

    QString footerText(int column) const;

private:
    ResultsTable m_table;
    bool m_suspended = false;
};
