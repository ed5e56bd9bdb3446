#pragma once
// The footer row under the grid's data: one cell under each visible column, right-aligned text,
// following the header's column widths, order and horizontal scrolling.

#include <QWidget>

#include <functional>

class QHeaderView;

class GridFooter : public QWidget
{
public:
    // `text` gives the footer text of a column by its logical index.
    GridFooter(QHeaderView &header, std::function<QString(int)> text, QWidget *parent = nullptr);

    QString cellText(int logicalColumn) const;
    QRect cellRect(int logicalColumn) const; // in this widget; empty for a hidden column

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QHeaderView &m_header;
    std::function<QString(int)> m_text;
};
