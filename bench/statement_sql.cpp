// statement-sql: writes the visit-count statement as an isql-fb script, with its date markers
// replaced by the literal dates, for timing the server's work alone.
//
//   statement-sql FROM TO      (dates as YYYY-MM-DD)
#include "VisitQuery.h"

#include <QDate>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3 || !QDate::fromString(QString::fromLatin1(argv[1]), Qt::ISODate).isValid()
        || !QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate).isValid()) {
        std::fprintf(stderr, "usage: statement-sql FROM TO   (dates as YYYY-MM-DD)\n");
        return 2;
    }
    QString sql = VisitQuery::statementText();
    sql.replace(QStringLiteral(":sdate"), u'\'' + QString::fromLatin1(argv[1]) + u'\'');
    sql.replace(QStringLiteral(":edate"), u'\'' + QString::fromLatin1(argv[2]) + u'\'');
    const QByteArray script = (sql + QStringLiteral(";\nquit;\n")).toUtf8();
    std::fwrite(script.constData(), 1, static_cast<std::size_t>(script.size()), stdout);
    return 0;
}
