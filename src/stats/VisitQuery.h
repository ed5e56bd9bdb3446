#pragma once
// qryAT: the one statement of the program. It counts, per provider, the office and preventive
// visits billed under and rendered by the provider in a date range, and the Medicaid visits
// among them; the client adds the two shares to each row as it is read.

#include "SqlStatement.h"
#include "VisitRow.h"

#include <QLocale>
#include <QString>

#include <vector>

class DatabaseConnection;

struct VisitField
{
    const char *name;          // field name, e.g. "ADDR_ID"
    const char *object;        // field object, e.g. "qryATADDR_ID"
    const char *type;          // "Integer", "String", "Float"
    int size;                  // characters for text, 0 otherwise
    bool readOnly;
    bool calculated;
    const char *displayLabel;  // empty where none is shown
};

class VisitQuery
{
public:
    explicit VisitQuery(DatabaseConnection &connection);

    // The statement's 27 lines joined by line breaks, with the markers :sdate and :edate.
    static const QString &statementText();
    // The eight result fields in their order.
    static const std::vector<VisitField> &fields();

    // Discards the rows of the previous run.
    void close();
    bool isOpen() const { return m_open; }

    // Sets a parameter ("sdate" or "edate") from a date field's text: empty text is NULL,
    // otherwise the short date of `locale` with an optional time. The statement is prepared
    // first when it is not yet prepared (which attaches a closed connection).
    void setParameterText(const QString &name, const QString &text, const QLocale &locale);

    // Runs the statement and reads every row, computing the shares of each; then ends the
    // default transaction, so that a window left open all day does not hold back the server's
    // garbage collection.
    void open();

    const std::vector<VisitRow> &rows() const { return m_rows; }

private:
    DatabaseConnection &m_connection;
    std::vector<QString> m_markerNames; // the parameter name of each "?" position (set up first)
    SqlStatement m_statement;
    std::optional<QDateTime> m_values[2];
    std::vector<VisitRow> m_rows;
    bool m_open = false;
};
