#include "ExportNames.h"

namespace {

const QString kFilter = QStringLiteral("Excel files (*.xls)|*.xls| Delimited files (*.csv)|*.csv");

QString dateStamp(const std::optional<QDate> &date)
{
    if (!date || !date->isValid())
        return QStringLiteral("00000000");
    return date->toString(QStringLiteral("yyyyMMdd"));
}

// Index of the first character of the file name (after the last "/", "\" or ":").
qsizetype fileNameStart(const QString &path)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        const QChar c = path.at(i - 1);
        if (c == u'/' || c == u'\\' || c == u':')
            return i;
    }
    return 0;
}

// Index of the extension's "." within the file name, or -1.
qsizetype extensionStart(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= fileNameStart(path) ? dot : -1;
}

} // namespace

QString proposedExportName(const std::optional<QDate> &start, const std::optional<QDate> &end)
{
    return QStringLiteral("Bresolan_") + dateStamp(start) + u'_' + dateStamp(end);
}

QStringList exportNameFilters()
{
    return nameFiltersFromPairs(kFilter);
}

QStringList nameFiltersFromPairs(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString &mask = parts.at(i + 1);
        // Qt reads the patterns from the parentheses that end the filter; a description that
        // already ends with its mask in parentheses needs nothing added.
        const QString masked = u'(' + mask + u')';
        filters.append(description.endsWith(masked) ? description : description + u' ' + masked);
    }
    return filters;
}

QString pathExtension(const QString &path)
{
    const qsizetype dot = extensionStart(path);
    return dot < 0 ? QString() : path.mid(dot);
}

QString workbookPathFor(const QString &chosen)
{
    const qsizetype dot = extensionStart(chosen);
    return (dot < 0 ? chosen : chosen.left(dot)) + QStringLiteral(".xls");
}

QString pathBaseName(const QString &path)
{
    const qsizetype start = fileNameStart(path);
    const qsizetype dot = extensionStart(path);
    return path.mid(start, (dot < 0 ? path.size() : dot) - start);
}
