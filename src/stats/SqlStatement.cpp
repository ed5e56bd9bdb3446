#include "SqlStatement.h"

#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "FbClientLibrary.h"
#include "SqlDescriptor.h"
#include "TextDecoding.h"

#include <cmath>
#include <cstring>

namespace {

const QDate kIscEpoch(1858, 11, 17);

ISC_DATE toIscDate(const QDate &date)
{
    return static_cast<ISC_DATE>(kIscEpoch.daysTo(date));
}

ISC_TIME toIscTime(const QTime &time)
{
    return static_cast<ISC_TIME>(time.msecsSinceStartOfDay()) * 10;
}

QDate fromIscDate(ISC_DATE days)
{
    return kIscEpoch.addDays(days);
}

QTime fromIscTime(ISC_TIME time)
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(time / 10));
}

template <typename T>
T read(const XSQLVAR &var)
{
    T value;
    std::memcpy(&value, var.sqldata, sizeof value);
    return value;
}

template <typename T>
void write(XSQLVAR &var, T value)
{
    std::memcpy(var.sqldata, &value, sizeof value);
}

// Describes into a descriptor, growing it once when the statement has more variables than the
// first guess; `describe` fills the descriptor it is given.
template <typename Describe>
std::unique_ptr<SqlDescriptor> describeInto(std::unique_ptr<SqlDescriptor> first, Describe describe)
{
    if (!first->fitsDescription()) {
        first = std::make_unique<SqlDescriptor>(first->count());
        describe(*first);
    }
    first->allocateBuffers();
    return first;
}

} // namespace

SqlStatement::SqlStatement(DatabaseConnection &connection, QString sql)
    : m_connection(connection), m_sql(std::move(sql))
{
}

SqlStatement::~SqlStatement()
{
    release();
}

bool SqlStatement::isPrepared() const
{
    return m_handle != 0 && m_connection.isConnected() && m_attachment == m_connection.attachmentNumber();
}

void SqlStatement::release()
{
    if (m_handle && m_connection.isConnected() && m_attachment == m_connection.attachmentNumber()) {
        ISC_STATUS_ARRAY ignored{};
        m_connection.client().freeStatement(ignored, &m_handle, DSQL_drop);
    }
    m_handle = 0;
    m_cursorOpen = false;
}

void SqlStatement::prepare()
{
    if (isPrepared())
        return;
    release();
    isc_tr_handle *transaction = m_connection.defaultTransaction(); // attaches when closed
    const FbClientLibrary &client = m_connection.client();
    ISC_STATUS_ARRAY status{};
    isc_stmt_handle handle = 0;
    if (client.allocateStatement(status, m_connection.databaseHandle(), &handle))
        m_connection.raise(status);
    m_handle = handle;
    m_attachment = m_connection.attachmentNumber();

    const QByteArray text = m_sql.toUtf8();
    const auto dialect = static_cast<unsigned short>(m_connection.sqlDialect());
    try {
        auto results = std::make_unique<SqlDescriptor>(8);
        if (client.prepare(status, transaction, &m_handle, 0, text.constData(), dialect, results->get()))
            m_connection.raise(status);
        m_results = describeInto(std::move(results), [&](SqlDescriptor &d) {
            if (client.describe(status, &m_handle, SQLDA_VERSION1, d.get()))
                m_connection.raise(status);
        });
        auto parameters = std::make_unique<SqlDescriptor>(8);
        if (client.describeBind(status, &m_handle, SQLDA_VERSION1, parameters->get()))
            m_connection.raise(status);
        m_parameters = describeInto(std::move(parameters), [&](SqlDescriptor &d) {
            if (client.describeBind(status, &m_handle, SQLDA_VERSION1, d.get()))
                m_connection.raise(status);
        });
    } catch (...) {
        release();
        throw;
    }
    m_connection.notePrepared(m_sql);

    m_columns.clear();
    for (int i = 0; i < m_results->count(); ++i) {
        const XSQLVAR &var = m_results->at(i);
        SqlColumnDescription column;
        column.name = QString::fromUtf8(var.aliasname, var.aliasname_length);
        column.type = static_cast<short>(var.sqltype & ~1);
        column.scale = var.sqlscale;
        column.length = var.sqllen;
        column.characterSet = var.sqlsubtype & 0xFF;
        m_columns.push_back(column);
    }
    // Every parameter may be NULL.
    for (int i = 0; i < m_parameters->count(); ++i)
        m_parameters->at(i).sqltype |= 1;
}

int SqlStatement::parameterCount() const
{
    return m_parameters ? m_parameters->count() : 0;
}

short SqlStatement::parameterType(int index) const
{
    return static_cast<short>(m_parameters->at(index).sqltype & ~1);
}

void SqlStatement::setDateTimeParameter(int index, const std::optional<QDateTime> &value)
{
    XSQLVAR &var = m_parameters->at(index);
    if (!value) {
        *var.sqlind = -1;
        return;
    }
    *var.sqlind = 0;
    const QDate date = value->date();
    const QTime time = value->time();
    switch (var.sqltype & ~1) {
    case SQL_TYPE_DATE:
        write(var, toIscDate(date));
        break;
    case SQL_TYPE_TIME:
        write(var, toIscTime(time));
        break;
    case SQL_TIMESTAMP:
        write(var, ISC_TIMESTAMP{toIscDate(date), toIscTime(time)});
        break;
    default: {
        // A text position: the server converts "YYYY-MM-DD HH:MM:SS" itself.
        const QByteArray text = value->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
        var.sqltype = static_cast<short>(SQL_TEXT | 1);
        var.sqllen = static_cast<short>(std::min<qsizetype>(text.size(), var.sqllen));
        std::memcpy(var.sqldata, text.constData(), static_cast<std::size_t>(var.sqllen));
        break;
    }
    }
}

void SqlStatement::execute()
{
    prepare();
    closeCursor();
    ISC_STATUS_ARRAY status{};
    isc_tr_handle *transaction = m_connection.defaultTransaction();
    if (m_connection.client().execute(status, transaction, &m_handle, SQLDA_VERSION1, m_parameters->get()))
        m_connection.raise(status);
    m_cursorOpen = true;
}

bool SqlStatement::fetch()
{
    if (!m_cursorOpen)
        return false;
    ISC_STATUS_ARRAY status{};
    const ISC_STATUS result = m_connection.client().fetch(status, &m_handle, SQLDA_VERSION1, m_results->get());
    if (result == 100) {
        closeCursor();
        return false;
    }
    if (result) {
        // The server keeps the cursor open after a failed fetch: close it, or every later
        // execute fails with "Attempt to reopen an open cursor" instead of running.
        m_cursorOpen = false;
        ISC_STATUS_ARRAY ignored{};
        m_connection.client().freeStatement(ignored, &m_handle, DSQL_close);
        m_connection.raise(status);
    }
    return true;
}

void SqlStatement::closeCursor()
{
    if (!m_cursorOpen)
        return;
    m_cursorOpen = false;
    if (isPrepared()) {
        ISC_STATUS_ARRAY status{};
        if (m_connection.client().freeStatement(status, &m_handle, DSQL_close))
            m_connection.raise(status);
    }
}

bool SqlStatement::isNull(int column) const
{
    const XSQLVAR &var = m_results->at(column);
    return (var.sqltype & 1) && *var.sqlind < 0;
}

qint64 SqlStatement::integerValue(int column) const
{
    if (isNull(column))
        return 0;
    const XSQLVAR &var = m_results->at(column);
    qint64 raw = 0;
    switch (var.sqltype & ~1) {
    case SQL_SHORT: raw = read<short>(var); break;
    case SQL_LONG: raw = read<ISC_LONG>(var); break;
    case SQL_INT64: raw = read<ISC_INT64>(var); break;
    case SQL_DOUBLE: return static_cast<qint64>(read<double>(var));
    case SQL_FLOAT: return static_cast<qint64>(read<float>(var));
    default: return textValue(column).trimmed().toLongLong();
    }
    for (short s = var.sqlscale; s < 0; ++s)
        raw /= 10;
    return raw;
}

QString SqlStatement::textValue(int column) const
{
    if (isNull(column))
        return {};
    const XSQLVAR &var = m_results->at(column);
    const int charset = var.sqlsubtype & 0xFF;
    switch (var.sqltype & ~1) {
    case SQL_TEXT: {
        QString text = decodeColumnText(var.sqldata, var.sqllen, charset);
        // CHAR columns come padded with blanks to their declared length.
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == u' ')
            --end;
        return text.left(end);
    }
    case SQL_VARYING: {
        const auto length = read<unsigned short>(var);
        return decodeColumnText(var.sqldata + sizeof(short), std::min<qsizetype>(length, var.sqllen), charset);
    }
    default:
        return value(column).toString();
    }
}

QVariant SqlStatement::value(int column) const
{
    if (isNull(column))
        return {};
    const XSQLVAR &var = m_results->at(column);
    switch (var.sqltype & ~1) {
    case SQL_TEXT:
    case SQL_VARYING:
        return textValue(column);
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (var.sqlscale == 0)
            return integerValue(column);
        return static_cast<double>((var.sqltype & ~1) == SQL_INT64 ? read<ISC_INT64>(var)
                                   : (var.sqltype & ~1) == SQL_LONG ? read<ISC_LONG>(var)
                                                                    : read<short>(var))
               * std::pow(10.0, var.sqlscale);
    case SQL_DOUBLE:
        return read<double>(var);
    case SQL_FLOAT:
        return static_cast<double>(read<float>(var));
    case SQL_TYPE_DATE:
        return fromIscDate(read<ISC_DATE>(var));
    case SQL_TYPE_TIME:
        return fromIscTime(read<ISC_TIME>(var));
    case SQL_TIMESTAMP: {
        const auto stamp = read<ISC_TIMESTAMP>(var);
        return QDateTime(fromIscDate(stamp.timestamp_date), fromIscTime(stamp.timestamp_time));
    }
    default:
        return {};
    }
}
