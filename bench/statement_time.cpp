// statement-time: the attach and the visit-count statement alone, through the program's own
// connection and query code, so that the start-up figure can be taken net of the server's work.
//
//   statement-time DATABASE FROM TO [RUNS]      (dates as YYYY-MM-DD; RUNS defaults to 5)
//
// Prints attach_ms, first_ms (prepare, execute and fetch, as at start-up), median_ms of the
// later runs (execute and fetch) and the number of rows.
#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "DateText.h"
#include "RefreshResults.h"
#include "VisitQuery.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4 || arguments.size() > 5) {
        std::fprintf(stderr, "usage: statement-time DATABASE FROM TO [RUNS]\n");
        return 2;
    }
    const QLocale locale = QLocale::system();
    const QString from = formatShortDate(QDate::fromString(arguments.at(2), Qt::ISODate), locale);
    const QString to = formatShortDate(QDate::fromString(arguments.at(3), Qt::ISODate), locale);
    const int runs = arguments.size() == 5 ? std::max(1, arguments.at(4).toInt()) : 5;
    try {
        DatabaseConnection connection;
        auto start = std::chrono::steady_clock::now();
        connection.setDatabaseName(arguments.at(1));
        connection.connect();
        const double attach = millisecondsSince(start);

        VisitQuery query(connection);
        start = std::chrono::steady_clock::now();
        refreshResults(query, from, to, locale);
        const double first = millisecondsSince(start);

        std::vector<double> later;
        for (int run = 1; run < runs; ++run) {
            start = std::chrono::steady_clock::now();
            refreshResults(query, from, to, locale);
            later.push_back(millisecondsSince(start));
        }
        std::sort(later.begin(), later.end());
        const double median = later.empty() ? first : later[later.size() / 2];
        std::printf("attach_ms=%.2f\nfirst_ms=%.2f\nmedian_ms=%.2f\nrows=%zu\n", attach, first, median,
                    query.rows().size());
        return 0;
    } catch (const BresolanError &e) {
        std::fprintf(stderr, "statement-time: %s\n", qPrintable(e.message()));
        return 1;
    }
}
