#pragma once
// Grids and files for the export tests: snapshots built through the results table the way the
// window builds them, file reading, and the independent readers (xlrd, ssconvert).

#include "MedicaidShare.h"
#include "ResultsTable.h"
#include "VisitRow.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace exporttest {

inline VisitRow visit(qint32 id, const QString &name, qint32 totalRender, qint32 mcRender, qint32 totalBilled,
                      qint32 mcBilled)
{
    VisitRow row;
    row.addrId = id;
    row.sigName = name;
    row.totalRender = totalRender;
    row.mcRender = mcRender;
    row.totalBilled = totalBilled;
    row.mcBilled = mcBilled;
    qryATCalcFields(row);
    return row;
}

inline GridSnapshot snapshotOf(std::vector<VisitRow> rows,
                               const QList<ResultsTable::ColumnLayout> &layout = ResultsTable::defaultLayout(),
                               int screenDpi = 96)
{
    ResultsTable table;
    table.setRows(std::move(rows));
    return table.snapshot(layout, screenDpi);
}

// The export example: provider 12, 120 rendered of which 30 Medicaid, 130 billed of which 35.
inline GridSnapshot exampleSnapshot()
{
    return snapshotOf({visit(12, QStringLiteral("Provider A, MD"), 120, 30, 130, 35)});
}

inline QByteArray exampleCsv()
{
    return QByteArrayLiteral(
        "\"Prov ID\",\"Provider Name\",\"Total Render\",\"MCD Render\",\"% MCD Render\",\"Total Billed\","
        "\"MCD Billed\",\"% MCD Billed\"\r\n"
        "\"12\",\"Provider A, MD\",\"120\",\"30\",\"25.0%\",\"130\",\"35\",\"26.9%\"\r\n"
        "\"\",\"\",\"120\",\"30\",\"25.0%\",\"130\",\"35\",\"26.9%\"\r\n");
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The names in a folder, hidden ones (temporary files) included.
inline QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

inline QByteArray runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(u' ').toStdString() << " failed: "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

// The workbook as xlrd reads it (see dump_workbook.py).
inline QJsonObject readWorkbookBack(const QString &path)
{
    const QByteArray json = runProgram(QStringLiteral(BRESOLAN_TEST_PYTHON),
                                       {QStringLiteral(BRESOLAN_SOURCE_DIR "/tests/ui/core/dump_workbook.py"), path});
    return QJsonDocument::fromJson(json).object();
}

} // namespace exporttest
