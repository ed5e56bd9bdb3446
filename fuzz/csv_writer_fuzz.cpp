// The CSV export over a random grid: captions, cell and footer texts full of quotes, commas
// and line breaks. Read back by RFC 4180 (quotes doubled inside quoted fields), every line has
// one field per column holding exactly the text that went in, and every line ends in CR LF.

#include "CsvWriter.h"
#include "FuzzCheck.h"
#include "GridSnapshot.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include <QString>
#include <QStringList>

namespace {

QString textFrom(FuzzedDataProvider &input)
{
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

GridSnapshot snapshotFrom(FuzzedDataProvider &input)
{
    GridSnapshot snapshot;
    const int columns = input.ConsumeIntegralInRange(0, 10);
    for (int c = 0; c < columns; ++c) {
        SnapshotColumn column;
        column.field = static_cast<GridField>(c % 8);
        column.caption = textFrom(input);
        snapshot.columns.append(column);
    }
    const int rows = input.ConsumeIntegralInRange(0, 20);
    for (int r = 0; r < rows && input.remaining_bytes() > 0; ++r) {
        QList<SnapshotCell> row;
        // A row may hold fewer cells than there are columns; the missing ones are empty.
        const int cells = input.ConsumeIntegralInRange(0, columns);
        for (int c = 0; c < cells; ++c)
            row.append(SnapshotCell{textFrom(input), std::nullopt});
        snapshot.rows.append(row);
    }
    const int footers = input.ConsumeIntegralInRange(0, columns);
    for (int c = 0; c < footers; ++c)
        snapshot.footerTexts.append(textFrom(input));
    return snapshot;
}

// RFC 4180 records of the text; a field that is not quoted may hold no quote, and every
// record, the last one included, ends in CR LF.
QList<QStringList> readRecords(const QString &text)
{
    QList<QStringList> records;
    qsizetype at = 0;
    while (at < text.size()) {
        QStringList fields;
        if (text.mid(at, 2) == QLatin1String("\r\n")) { // a line without fields
            records.append(fields);
            at += 2;
            continue;
        }
        for (;;) {
            QString field;
            if (at < text.size() && text.at(at) == QLatin1Char('"')) {
                ++at;
                for (;;) {
                    fuzz::check(at < text.size(), "a quoted field is closed", text.left(300));
                    if (text.at(at) == QLatin1Char('"')) {
                        if (at + 1 < text.size() && text.at(at + 1) == QLatin1Char('"')) {
                            field += QLatin1Char('"');
                            at += 2;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    field += text.at(at++);
                }
            } else {
                while (at < text.size() && text.at(at) != QLatin1Char(',') && text.at(at) != QLatin1Char('\r')
                       && text.at(at) != QLatin1Char('\n')) {
                    fuzz::check(text.at(at) != QLatin1Char('"'), "a quote lies only inside a quoted field");
                    field += text.at(at++);
                }
            }
            fields.append(field);
            if (at < text.size() && text.at(at) == QLatin1Char(',')) {
                ++at;
                continue;
            }
            fuzz::check(text.mid(at, 2) == QLatin1String("\r\n"), "a record ends in CR LF", text.mid(at, 20));
            at += 2;
            break;
        }
        records.append(fields);
    }
    return records;
}

void checkRecord(const QStringList &record, const QStringList &expected, const char *which)
{
    fuzz::check(record.size() == expected.size(), which,
                QStringLiteral("%1 fields for %2 columns").arg(record.size()).arg(expected.size()));
    fuzz::check(record == expected, which, QStringLiteral("the fields differ from the grid's texts"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const GridSnapshot snapshot = snapshotFrom(input);
    const qsizetype columns = snapshot.columns.size();

    const QString text = csvText(snapshot);
    fuzz::check(csvBytes(snapshot) == text.toUtf8(), "the bytes are the text in UTF-8 without a byte-order mark");

    const QList<QStringList> records = readRecords(text);
    fuzz::check(records.size() == snapshot.rows.size() + 2, "a header line, one line per row and a footer line",
                QString::number(records.size()));

    QStringList expected;
    for (const SnapshotColumn &column : snapshot.columns)
        expected.append(column.caption);
    checkRecord(records.front(), expected, "the header line holds the captions");
    for (qsizetype r = 0; r < snapshot.rows.size(); ++r) {
        expected.clear();
        for (qsizetype c = 0; c < columns; ++c)
            expected.append(snapshot.rows.at(r).value(c).text);
        checkRecord(records.at(r + 1), expected, "a row line holds the row's texts");
    }
    expected.clear();
    for (qsizetype c = 0; c < columns; ++c)
        expected.append(snapshot.footerTexts.value(c));
    checkRecord(records.back(), expected, "the footer line holds the footer texts");
    return 0;
}
