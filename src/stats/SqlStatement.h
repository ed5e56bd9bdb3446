#pragma once
// One DSQL statement over the connection's default transaction: prepared once in the
// database's dialect, then executed and fetched as often as needed. Prepared again only when
// the connection had to attach anew.

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <ibase.h>

#include <memory>
#include <optional>
#include <vector>

class DatabaseConnection;
class SqlDescriptor;

struct SqlColumnDescription
{
    QString name;       // the column's alias
    short type = 0;     // SQL_* without the nullable bit
    short scale = 0;
    short length = 0;   // bytes
    int characterSet = 0;
};

class SqlStatement
{
public:
    SqlStatement(DatabaseConnection &connection, QString sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    // Attaches when needed (the implicit connect) and prepares; does nothing when prepared.
    void prepare();
    bool isPrepared() const;

    int parameterCount() const;
    short parameterType(int index) const; // SQL_TYPE_DATE, SQL_TIMESTAMP, ...
    // A date/time value in the type the server describes for the position; nullopt is NULL.
    void setDateTimeParameter(int index, const std::optional<QDateTime> &value);

    const std::vector<SqlColumnDescription> &columns() const { return m_columns; }

    void execute();     // opens the result
    bool fetch();       // the next row; false after the last
    void closeCursor(); // the result, not the statement

    bool isNull(int column) const;
    qint64 integerValue(int column) const; // integer columns (scale 0), doubles truncated
    QString textValue(int column) const;   // decoded by the column's character set
    QVariant value(int column) const;

private:
    void release();

    DatabaseConnection &m_connection;
    QString m_sql;
    unsigned m_attachment = 0;
    isc_stmt_handle m_handle = 0;
    bool m_cursorOpen = false;
    std::unique_ptr<SqlDescriptor> m_parameters;
    std::unique_ptr<SqlDescriptor> m_results;
    std::vector<SqlColumnDescription> m_columns;
};
