#pragma once
// What the results grid shows at one moment, in the grid's current column order and row order:
// the input of the printed report and of both exports. The window takes it from its view;
// bresolan-report takes it from the results table in the default layout.

#include "GridColumns.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct SnapshotColumn
{
    GridField field;
    QString caption;
    int width = 0;            // on-screen pixels
    Qt::Alignment alignment;
    bool banded = false;
};

struct SnapshotCell
{
    QString text;                   // the display text
    std::optional<ShareBand> band;  // set on the share columns
};

struct GridSnapshot
{
    QList<SnapshotColumn> columns;            // visible columns, grid order
    QList<QList<SnapshotCell>> rows;          // visible rows, grid order; one cell per column
    QStringList footerTexts;                  // one per column; empty where the footer is blank
    QList<std::optional<qint64>> footerSums;  // one per column: the sums of the count columns (none without rows)
    QFont font;                               // the grid's font (Arial 8.25 pt)
    int screenDpi = 96;                       // logical dpi the widths were measured at
};

// The grid's ordinary look, for everything that draws or writes it outside the window.
struct GridLook
{
    static QColor headerBackground() { return QColor(240, 240, 240); } // button face
    static QColor contentBackground() { return QColor(255, 255, 255); }
    static QColor footerBackground() { return QColor(240, 240, 240); }
    static QColor text() { return QColor(0, 0, 0); }                  // window text
    static QColor gridLine() { return QColor(160, 160, 160); }
};

// The grid's font: Arial, 8.25 points (11 pixels at 96 dpi), regular.
QFont gridFont();
