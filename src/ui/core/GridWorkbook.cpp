#include "GridWorkbook.h"

#include "ExportNames.h"
#include "SheetName.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace {

xls::Rgb rgb(const QColor &colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

xls::HAlign horizontal(Qt::Alignment alignment)
{
    switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignLeft: return xls::HAlign::Left;
    case Qt::AlignRight: return xls::HAlign::Right;
    case Qt::AlignHCenter: return xls::HAlign::Centre;
    default: return xls::HAlign::General;
    }
}

xls::CellFont cellFont(const QFont &font, int screenDpi)
{
    xls::CellFont cell;
    cell.name = font.family().toStdString();
    // A font sized in pixels has no point size; the pixels are the screen's.
    cell.points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / std::max(1, screenDpi);
    cell.bold = font.bold();
    cell.italic = font.italic();
    cell.underline = font.underline();
    cell.strikeOut = font.strikeOut();
    cell.colour = rgb(GridLook::text());
    return cell;
}

// The grid draws both grid lines around every cell, header and footer included.
xls::CellFormat gridCellFormat(const xls::CellFont &font, const QColor &fill, xls::HAlign align)
{
    xls::CellFormat format;
    format.font = font;
    format.fill = rgb(fill);
    format.align = align;
    format.borderLeft = format.borderRight = format.borderTop = format.borderBottom = true;
    format.borderColour = rgb(GridLook::gridLine());
    return format;
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

int workbookColumnWidth(int pixels, int screenDpi)
{
    const double ratio = std::max(1.0, screenDpi / 96.0);
    return static_cast<int>(std::lround(pixels * 36.6 / ratio));
}

QString workbookSheetName(const QString &path)
{
    return QString::fromStdString(xls::sanitizeSheetName(utf8(pathBaseName(path))));
}

xls::Sheet gridWorksheet(const GridSnapshot &snapshot, const QString &sheetName)
{
    xls::Sheet sheet;
    sheet.name = utf8(sheetName);

    const qsizetype columnCount = std::min<qsizetype>(snapshot.columns.size(), xls::kMaxColumns);
    const xls::CellFont font = cellFont(snapshot.font, snapshot.screenDpi);
    const auto rowsFull = [&sheet] { return sheet.rows.size() >= xls::kMaxRows; };

    std::vector<xls::Cell> header;
    for (qsizetype c = 0; c < columnCount; ++c) {
        const SnapshotColumn &column = snapshot.columns.at(c);
        sheet.columnWidths.push_back(workbookColumnWidth(column.width, snapshot.screenDpi));
        header.push_back(xls::Cell::makeText(
            utf8(column.caption), gridCellFormat(font, GridLook::headerBackground(), xls::HAlign::Centre)));
    }
    sheet.rows.push_back(std::move(header));

    for (const QList<SnapshotCell> &row : snapshot.rows) {
        if (rowsFull())
            break;
        std::vector<xls::Cell> cells;
        cells.reserve(static_cast<std::size_t>(columnCount));
        for (qsizetype c = 0; c < columnCount; ++c) {
            const SnapshotCell cell = row.value(c);
            const QColor fill = cell.band ? bandColour(*cell.band) : GridLook::contentBackground();
            const xls::CellFormat format = gridCellFormat(font, fill, horizontal(snapshot.columns.at(c).alignment));
            QString text = cell.text;
            text.remove(u'\r');
            cells.push_back(text.isEmpty() ? xls::Cell::makeEmpty(format)
                                           : xls::Cell::makeText(utf8(text), format));
        }
        sheet.rows.push_back(std::move(cells));
    }

    if (!rowsFull()) {
        // Only the sums go into the footer: the share texts under the share columns stay out.
        const xls::CellFormat format = gridCellFormat(font, GridLook::footerBackground(), xls::HAlign::Right);
        std::vector<xls::Cell> footer;
        for (qsizetype c = 0; c < columnCount; ++c) {
            const std::optional<qint64> sum = snapshot.footerSums.value(c);
            footer.push_back(sum ? xls::Cell::makeNumber(static_cast<double>(*sum), format)
                                 : xls::Cell::makeEmpty(format));
        }
        sheet.rows.push_back(std::move(footer));
    }
    return sheet;
}
