#include "ReportOptions.h"

#include "BresolanError.h"
#include "DateText.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace {

QString dateFieldText(const QString &given, const QLocale &locale)
{
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (iso.match(given).hasMatch()) {
        const QDate date = QDate::fromString(given, Qt::ISODate);
        if (!date.isValid())
            throw BresolanError(QStringLiteral("'%1' is not a valid date and time").arg(given));
        return formatShortDate(date, locale);
    }
    return given;
}

} // namespace

QString reportUsage()
{
    return QStringLiteral(
        "Usage: bresolan-report [--config FILE | --database NAME] [--from DATE] [--to DATE] [--all]\n"
        "                       [--tsv] [--csv FILE] [--xls FILE] [--pdf FILE] [--help]\n"
        "\n"
        "Prints the Medicaid visit shares per provider, as the Bresolan window shows them.\n"
        "  --config FILE    read [IB] NetPathMed from FILE (default: telvosetup.ini beside the program)\n"
        "  --database NAME  the full database name instead, e.g. 127.0.0.1:/srv/medical.gdb\n"
        "  --from, --to     the date range, in the regional short date format or as YYYY-MM-DD;\n"
        "                   an empty text is an empty date (defaults: 2010-10-01 to 2010-12-31)\n"
        "  --all            also the providers without a rendered visit in the range\n"
        "  --tsv            tab-separated lines instead of an aligned table\n"
        "  --csv FILE       write the comma-separated export (\"-\": standard output)\n"
        "  --xls FILE       write the Excel 97-2003 workbook\n"
        "  --pdf FILE       write the printed report as PDF\n"
        "Exit status: 0 done, 1 bad command line, 2 configuration or attach failed,\n"
        "3 the query failed, 4 an output could not be written.\n");
}

ReportOptions parseReportOptions(const QStringList &arguments, const QLocale &locale)
{
    ReportOptions options;
    options.from = formatShortDate(QDate(2010, 10, 1), locale);
    options.to = formatShortDate(QDate(2010, 12, 31), locale);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw BresolanError(QStringLiteral("%1 needs a value").arg(option));
            return arguments.at(++i);
        };
        if (option == QLatin1String("--config"))
            options.configFile = value();
        else if (option == QLatin1String("--database"))
            options.database = value();
        else if (option == QLatin1String("--from"))
            options.from = dateFieldText(value(), locale);
        else if (option == QLatin1String("--to"))
            options.to = dateFieldText(value(), locale);
        else if (option == QLatin1String("--all"))
            options.all = true;
        else if (option == QLatin1String("--tsv"))
            options.tsv = true;
        else if (option == QLatin1String("--csv"))
            options.csvFile = value();
        else if (option == QLatin1String("--xls"))
            options.xlsFile = value();
        else if (option == QLatin1String("--pdf"))
            options.pdfFile = value();
        else
            throw BresolanError(QStringLiteral("unknown option '%1'").arg(option));
    }
    if (options.configFile && options.database)
        throw BresolanError(QStringLiteral("--config and --database exclude each other"));
    return options;
}
