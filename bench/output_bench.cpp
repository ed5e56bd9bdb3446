// The three outputs of the grid, written in-process from snapshots built by the results table:
// the workbook and the CSV file for 1,000 providers and for 65,536 rows, the PDF report for
// 1,000 providers.
#include "SyntheticGrid.h"

#include "ExportFiles.h"
#include "ReportRenderer.h"
#include "ReportTexts.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

namespace {

QTemporaryDir &outputFolder()
{
    static QTemporaryDir folder;
    return folder;
}

const GridSnapshot &snapshotOf(int rows)
{
    static std::map<int, GridSnapshot> built;
    auto it = built.find(rows);
    if (it == built.end())
        it = built.emplace(rows, gridFromFetchedRows(fetchedRows(rows))).first;
    return it->second;
}

void BM_Workbook(benchmark::State &state)
{
    const GridSnapshot &grid = snapshotOf(static_cast<int>(state.range(0)));
    const QString path = outputFolder().filePath(QStringLiteral("grid.xls"));
    for (auto _ : state)
        exportWorkbook(grid, path);
}

void BM_Csv(benchmark::State &state)
{
    const GridSnapshot &grid = snapshotOf(static_cast<int>(state.range(0)));
    const QString path = outputFolder().filePath(QStringLiteral("grid.csv"));
    for (auto _ : state)
        exportCsv(grid, path);
}

void BM_Pdf(benchmark::State &state)
{
    const GridSnapshot &grid = snapshotOf(static_cast<int>(state.range(0)));
    const QString path = outputFolder().filePath(QStringLiteral("grid.pdf"));
    const QDateTime printed(QDate(2010, 12, 31), QTime(9, 30));
    const QString title = reportTitle(QStringLiteral("Bresolan"), QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"));
    for (auto _ : state)
        writeReportPdf(grid, title, printed, QLocale::system(), path);
}

} // namespace

BENCHMARK(BM_Workbook)->Arg(1000)->Arg(65536)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Csv)->Arg(1000)->Arg(65536)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pdf)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The report needs fonts and a paint engine, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!outputFolder().isValid())
        qFatal("no temporary folder for the outputs");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
