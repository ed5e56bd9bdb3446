#include "TextTable.h"

#include <algorithm>

namespace {

QStringList captionsOf(const GridSnapshot &grid)
{
    QStringList captions;
    for (const SnapshotColumn &c : grid.columns)
        captions << c.caption;
    return captions;
}

QStringList textsOf(const QList<SnapshotCell> &cells)
{
    QStringList texts;
    for (const SnapshotCell &c : cells)
        texts << c.text;
    return texts;
}

// Tabs and line breaks inside a field would break the line structure; they become blanks.
QString flattened(QString text)
{
    for (QChar &c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

QString tsvLine(const QStringList &fields)
{
    QStringList clean;
    for (const QString &f : fields)
        clean << flattened(f);
    return clean.join(u'\t') + u'\n';
}

} // namespace

QString tabSeparatedText(const GridSnapshot &grid)
{
    QString text = tsvLine(captionsOf(grid));
    for (const QList<SnapshotCell> &row : grid.rows)
        text += tsvLine(textsOf(row));
    text += tsvLine(grid.footerTexts);
    return text;
}

QString alignedText(const GridSnapshot &grid)
{
    QList<QStringList> lines;
    lines << captionsOf(grid);
    for (const QList<SnapshotCell> &row : grid.rows)
        lines << textsOf(row);
    lines << grid.footerTexts;

    QList<qsizetype> widths(grid.columns.size(), 0);
    for (QStringList &line : lines)
        for (qsizetype c = 0; c < line.size() && c < widths.size(); ++c) {
            line[c] = flattened(line[c]);
            widths[c] = std::max(widths[c], line[c].size());
        }

    const auto rule = [&widths] {
        QStringList dashes;
        for (qsizetype w : widths)
            dashes << QString(w, u'-');
        return dashes.join(QStringLiteral("  ")) + u'\n';
    };
    const auto render = [&](const QStringList &line, bool caption) {
        QStringList cells;
        for (qsizetype c = 0; c < widths.size(); ++c) {
            const QString cell = line.value(c);
            const bool right = !caption && (grid.columns[c].alignment & Qt::AlignRight);
            cells << (right ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]));
        }
        QString text = cells.join(QStringLiteral("  "));
        while (text.endsWith(u' '))
            text.chop(1);
        return text + u'\n';
    };

    QString text = render(lines.first(), true) + rule();
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        text += render(lines[i], false);
    if (grid.rows.isEmpty())
        text += QStringLiteral("<No data to display>\n");
    return text + rule() + render(lines.last(), false);
}
