#include "ResultsGridView.h"

#include "GridFooter.h"
#include "ResultsModel.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>

namespace {

// Room at the top of each header section for the sort arrow, so that an arrow never takes
// width from a caption.
constexpr int kArrowStrip = 5;

// The column header: captions centred and wrapped, the row as tall as the tallest caption, the
// sort arrows of every sorted column, and the modifiers held at the last click.
class GridHeader : public QHeaderView
{
public:
    explicit GridHeader(const ResultsModel &model, QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent), m_model(model)
    {
        setSectionsClickable(true);
        setSectionsMovable(true);
        setSectionResizeMode(QHeaderView::Interactive);
        setHighlightSections(false);
        setSortIndicatorShown(false);
        setTextElideMode(Qt::ElideNone);
        setDefaultAlignment(Qt::AlignCenter);
        setStretchLastSection(false);
    }

    Qt::KeyboardModifiers clickModifiers() const { return m_modifiers; }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        int tallest = fontMetrics().height();
        for (int logical = 0; logical < count(); ++logical) {
            if (isSectionHidden(logical))
                continue;
            const QRect text = fontMetrics().boundingRect(QRect(0, 0, qMax(1, sectionSize(logical) - 2 * margin), 10000),
                                                          Qt::AlignCenter | Qt::TextWordWrap, caption(logical));
            tallest = qMax(tallest, text.height());
        }
        size.setHeight(tallest + 2 * margin + kArrowStrip + 1);
        return size;
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeaderV2 option;
        initStyleOption(&option);
        initStyleOptionForIndex(&option, logical);
        option.rect = rect;
        option.sortIndicator = QStyleOptionHeader::None;
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
        QStyleOptionHeaderV2 label = option;
        label.rect = rect.adjusted(margin, margin + kArrowStrip, -margin, -margin);
        label.textAlignment = Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap);
        label.textElideMode = Qt::ElideNone;
        style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);

        if (const auto order = m_model.sortOrder(logical))
            drawSortArrow(painter, rect, *order);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        m_modifiers = event->modifiers();
        QHeaderView::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        m_modifiers = event->modifiers();
        QHeaderView::mouseReleaseEvent(event);
    }

private:
    QString caption(int logical) const
    {
        return model() ? model()->headerData(logical, Qt::Horizontal).toString() : QString();
    }

    // A small triangle centred at the top: pointing up for ascending, down for descending.
    void drawSortArrow(QPainter *painter, const QRect &rect, Qt::SortOrder order) const
    {
        const qreal cx = rect.center().x() + 0.5;
        const qreal top = rect.top() + 1.5;
        const qreal bottom = top + 3.5;
        QPolygonF arrow;
        if (order == Qt::AscendingOrder)
            arrow << QPointF(cx - 3.5, bottom) << QPointF(cx + 3.5, bottom) << QPointF(cx, top);
        else
            arrow << QPointF(cx - 3.5, top) << QPointF(cx + 3.5, top) << QPointF(cx, bottom);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(arrow);
        painter->restore();
    }

    const ResultsModel &m_model;
    Qt::KeyboardModifiers m_modifiers;
};

// Paints the whole row as one: no focus frame around a cell, and the selection only while the
// grid has the input focus (otherwise the colour bands show through).
class FocusedRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if (!option->widget || !option->widget->hasFocus())
            option->state &= ~QStyle::State_Selected;
    }
};

// viewAT: the table under the header.
class GridTableView : public QTableView
{
public:
    using QTableView::QTableView;

    std::function<void()> geometriesUpdated;

protected:
    void updateGeometries() override
    {
        QTableView::updateGeometries();
        if (geometriesUpdated)
            geometriesUpdated();
    }

    void paintEvent(QPaintEvent *event) override
    {
        QTableView::paintEvent(event);
        if (model() && model()->rowCount() == 0) {
            QPainter painter(viewport());
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(viewport()->rect(), Qt::AlignCenter, ResultsGridView::noDataText());
        }
    }

    void focusInEvent(QFocusEvent *event) override
    {
        QTableView::focusInEvent(event);
        viewport()->update();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QTableView::focusOutEvent(event);
        viewport()->update();
    }
};

} // namespace

QString ResultsGridView::noDataText()
{
    return QStringLiteral("<No data to display>");
}

ResultsGridView::ResultsGridView(ResultsModel &model, QWidget *parent)
    : QFrame(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("grdAT"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    const double scale = logicalDpiX() / 96.0;

    auto *view = new GridTableView(this);
    m_view = view;
    m_view->setObjectName(QStringLiteral("viewAT"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setModel(&model);
    auto *header = new GridHeader(model, m_view);
    m_view->setHorizontalHeader(header);
    m_view->setItemDelegate(new FocusedRowDelegate(m_view));
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + qRound(4 * scale));
    m_view->setCornerButtonEnabled(false);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->setShowGrid(true);
    m_view->setSortingEnabled(false); // sorting goes through the results table, see below
    m_view->setFocusPolicy(Qt::ClickFocus);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (int column = 0; column < model.columnCount(); ++column)
        header->resizeSection(column, qRound(gridColumn(ResultsModel::fieldAt(column)).width * scale));

    connect(header, &QHeaderView::sectionClicked, this,
            [this, header](int logical) { m_model.sortByHeader(logical, header->clickModifiers()); });

    m_footer = new GridFooter(*header, [this](int logical) { return m_model.footerText(logical); }, this);

    m_scrollBar = new QScrollBar(Qt::Horizontal, this);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    QScrollBar *inner = m_view->horizontalScrollBar();
    view->geometriesUpdated = [this] { followInnerScrollBar(); };
    connect(inner, &QScrollBar::rangeChanged, this, [this] { followInnerScrollBar(); });
    connect(inner, &QScrollBar::valueChanged, m_scrollBar, &QScrollBar::setValue);
    connect(m_scrollBar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    connect(inner, &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));

    connect(&model, &QAbstractItemModel::modelReset, m_footer, qOverload<>(&QWidget::update));
    connect(&model, &QAbstractItemModel::layoutChanged, m_footer, qOverload<>(&QWidget::update));

    auto *layout = new QVBoxLayout(this); // owned by this grid
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_scrollBar);
}

QHeaderView *ResultsGridView::header() const
{
    return m_view->horizontalHeader();
}

void ResultsGridView::followInnerScrollBar()
{
    const QScrollBar *inner = m_view->horizontalScrollBar();
    m_scrollBar->setSingleStep(inner->singleStep());
    m_scrollBar->setPageStep(inner->pageStep());
    m_scrollBar->setRange(inner->minimum(), inner->maximum());
    m_scrollBar->setValue(inner->value());
    m_scrollBar->setVisible(inner->maximum() > inner->minimum());
    m_footer->update();
}

QList<ResultsTable::ColumnLayout> ResultsGridView::columnLayout() const
{
    QList<ResultsTable::ColumnLayout> columns;
    const QHeaderView *h = header();
    for (int visual = 0; visual < h->count(); ++visual) {
        const int logical = h->logicalIndex(visual);
        if (!h->isSectionHidden(logical))
            columns.append({ResultsModel::fieldAt(logical), h->sectionSize(logical)});
    }
    return columns;
}

GridSnapshot ResultsGridView::snapshot() const
{
    return m_model.table().snapshot(columnLayout(), logicalDpiX());
}
