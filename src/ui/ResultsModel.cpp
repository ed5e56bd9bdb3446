#include "ResultsModel.h"

#include <QHash>

std::optional<QColor> cellBackground(const ResultsTable &table, int visibleRow, GridField field)
{
    if (const auto band = table.cellBand(visibleRow, field))
        return bandColour(*band);
    return std::nullopt;
}

ResultsModel::ResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_table.setLocale(QLocale::system());
}

GridField ResultsModel::fieldAt(int column)
{
    return gridColumns().at(static_cast<std::size_t>(column)).field;
}

int ResultsModel::columnOf(GridField field)
{
    const auto &columns = gridColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].field == field)
            return static_cast<int>(i);
    return -1;
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.visibleCount();
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(gridColumns().size());
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const GridField field = fieldAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return m_table.cellText(index.row(), field);
    case Qt::TextAlignmentRole:
        return int(gridColumn(field).alignment);
    case Qt::BackgroundRole:
        if (const auto colour = cellBackground(m_table, index.row(), field))
            return *colour;
        return {};
    case Qt::ForegroundRole:
        // The bands are light colours: their text stays dark whatever the palette.
        if (gridColumn(field).banded)
            return GridLook::text();
        return {};
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(gridColumns().at(static_cast<std::size_t>(section)).caption);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter | Qt::TextWordWrap);
    default:
        return {};
    }
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

namespace {

// Ends a model reset however the scope is left.
class ResetGuard
{
public:
    explicit ResetGuard(const std::function<void()> &end) : m_end(end) {}
    ~ResetGuard() { m_end(); }
    ResetGuard(const ResetGuard &) = delete;
    ResetGuard &operator=(const ResetGuard &) = delete;

private:
    std::function<void()> m_end;
};

} // namespace

void ResultsModel::change(const std::function<void(ResultsTable &)> &edit)
{
    if (m_suspended) {
        edit(m_table);
        return;
    }
    beginResetModel();
    ResetGuard guard([this] { endResetModel(); });
    edit(m_table);
}

void ResultsModel::suspend()
{
    if (m_suspended)
        return;
    beginResetModel();
    m_suspended = true;
}

void ResultsModel::resume(std::vector<VisitRow> rows)
{
    const bool wasSuspended = m_suspended;
    if (!wasSuspended)
        beginResetModel();
    m_table.setRows(std::move(rows));
    m_suspended = false;
    endResetModel();
}

void ResultsModel::sortByHeader(int column, Qt::KeyboardModifiers modifiers)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    // Keep every persistent index (the current and selected row) on its provider's row.
    const QModelIndexList before = persistentIndexList();
    std::vector<const VisitRow *> rowsBefore;
    rowsBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex &index : before)
        rowsBefore.push_back(&m_table.visibleRow(index.row()));

    m_table.sort().click(fieldAt(column), modifiers);
    m_table.sortChanged();

    QHash<const VisitRow *, int> newRow;
    for (int r = 0; r < m_table.visibleCount(); ++r)
        newRow.insert(&m_table.visibleRow(r), r);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(newRow.value(rowsBefore[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);

    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::optional<Qt::SortOrder> ResultsModel::sortOrder(int column) const
{
    if (column < 0 || column >= columnCount())
        return std::nullopt;
    // The table hands out its sort state for changing only; reading it changes nothing.
    return const_cast<ResultsTable &>(m_table).sort().orderOf(fieldAt(column));
}

QString ResultsModel::footerText(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return m_table.footerText(fieldAt(column));
}
