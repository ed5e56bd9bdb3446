#include "Isc.h"

#include <cstring>

namespace gen {

namespace {

// A parameter block: the version byte, then items of a tag and a value.
class ParameterBlock
{
public:
    ParameterBlock() { m_bytes.push_back(static_cast<char>(isc_dpb_version1)); }

    void addText(char tag, const std::string &value)
    {
        m_bytes.push_back(tag);
        m_bytes.push_back(static_cast<char>(value.size()));
        m_bytes.insert(m_bytes.end(), value.begin(), value.end());
    }
    void addNumber(char tag, unsigned value)
    {
        m_bytes.push_back(tag);
        m_bytes.push_back(4);
        for (int shift = 0; shift < 32; shift += 8) // little-endian, as the protocol wants
            m_bytes.push_back(static_cast<char>((value >> shift) & 0xff));
    }
    const char *data() const { return m_bytes.data(); }
    short size() const { return static_cast<short>(m_bytes.size()); }

private:
    std::vector<char> m_bytes;
};

XSQLDA *sqldaIn(std::vector<char> &storage, int count)
{
    storage.assign(XSQLDA_LENGTH(count), 0);
    auto *sqlda = reinterpret_cast<XSQLDA *>(storage.data());
    sqlda->version = SQLDA_VERSION1;
    sqlda->sqln = static_cast<ISC_SHORT>(count);
    return sqlda;
}

} // namespace

void check(const ISC_STATUS *status, const std::string &what)
{
    if (status[0] != 1 || status[1] == 0)
        return;
    std::string text = what;
    const ISC_STATUS *cursor = status;
    char line[1024];
    while (fb_interpret(line, sizeof line, &cursor) > 0) {
        text += "\n  ";
        text += line;
    }
    throw IscError(text);
}

Transaction::Transaction(Database &database) : m_database(database)
{
    start();
}

Transaction::~Transaction()
{
    if (m_handle) {
        ISC_STATUS_ARRAY status;
        isc_rollback_transaction(status, &m_handle);
    }
}

void Transaction::start()
{
    ISC_STATUS_ARRAY status;
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_wait};
    isc_start_transaction(status, &m_handle, 1, m_database.handle(), static_cast<unsigned short>(sizeof tpb), tpb);
    check(status, "starting a transaction");
}

void Transaction::commit()
{
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &m_handle);
    check(status, "committing");
}

Database Database::create(const std::string &path)
{
    ParameterBlock dpb;
    dpb.addText(isc_dpb_user_name, "SYSDBA");
    dpb.addNumber(isc_dpb_page_size, 8192);
    dpb.addNumber(isc_dpb_sql_dialect, 3);
    dpb.addText(isc_dpb_set_db_charset, "WIN1252");
    dpb.addText(isc_dpb_lc_ctype, "WIN1252");
    dpb.addNumber(isc_dpb_force_write, 0); // a benchmark database: its loading needs no synchronous writes
    Database database;
    ISC_STATUS_ARRAY status;
    isc_create_database(status, static_cast<short>(path.size()), path.c_str(), &database.m_handle, dpb.size(),
                        dpb.data(), 0);
    check(status, "creating " + path);
    return database;
}

Database Database::attach(const std::string &name, const std::string &user, const std::string &password)
{
    ParameterBlock dpb;
    dpb.addText(isc_dpb_user_name, user);
    dpb.addText(isc_dpb_password, password);
    dpb.addText(isc_dpb_lc_ctype, "WIN1252");
    Database database;
    ISC_STATUS_ARRAY status;
    isc_attach_database(status, static_cast<short>(name.size()), name.c_str(), &database.m_handle, dpb.size(),
                        dpb.data());
    check(status, "attaching " + name);
    return database;
}

Database::~Database()
{
    if (m_handle) {
        ISC_STATUS_ARRAY status;
        isc_detach_database(status, &m_handle);
    }
}

void Database::execute(const std::string &sql)
{
    Transaction transaction(*this);
    ISC_STATUS_ARRAY status;
    isc_dsql_execute_immediate(status, &m_handle, transaction.handle(), 0, sql.c_str(), 3, nullptr);
    check(status, sql);
    transaction.commit();
}

long long Database::scalar(const std::string &sql)
{
    Transaction transaction(*this);
    ISC_STATUS_ARRAY status;
    isc_stmt_handle statement = 0;
    isc_dsql_allocate_statement(status, &m_handle, &statement);
    check(status, "allocating a statement");
    std::vector<char> storage;
    XSQLDA *out = sqldaIn(storage, 1);
    long long value = 0;
    short null = 0;
    try {
        isc_dsql_prepare(status, transaction.handle(), &statement, 0, sql.c_str(), 3, out);
        check(status, sql);
        XSQLVAR &column = out->sqlvar[0];
        column.sqltype = SQL_INT64 | 1; // the client converts any exact number
        column.sqlscale = 0;
        column.sqllen = sizeof value;
        column.sqldata = reinterpret_cast<char *>(&value);
        column.sqlind = &null;
        isc_dsql_execute(status, transaction.handle(), &statement, 3, nullptr);
        check(status, sql);
        const ISC_STATUS fetched = isc_dsql_fetch(status, &statement, 3, out);
        if (fetched != 0 && fetched != 100)
            check(status, sql);
        if (fetched == 100)
            throw IscError(sql + ": no row");
    } catch (...) {
        isc_dsql_free_statement(status, &statement, DSQL_drop);
        throw;
    }
    isc_dsql_free_statement(status, &statement, DSQL_drop);
    transaction.commit();
    return null ? 0 : value;
}

PreparedInsert::PreparedInsert(Database &database, Transaction &transaction, const std::string &sql)
{
    ISC_STATUS_ARRAY status;
    isc_dsql_allocate_statement(status, database.handle(), &m_statement);
    check(status, "allocating a statement");
    isc_dsql_prepare(status, transaction.handle(), &m_statement, 0, sql.c_str(), 3, nullptr);
    check(status, sql);
    m_sqlda = sqldaIn(m_sqldaStorage, 1);
    isc_dsql_describe_bind(status, &m_statement, 1, m_sqlda);
    check(status, "describing the parameters");
    if (m_sqlda->sqld > m_sqlda->sqln) {
        const int count = m_sqlda->sqld;
        m_sqlda = sqldaIn(m_sqldaStorage, count);
        isc_dsql_describe_bind(status, &m_statement, 1, m_sqlda);
        check(status, "describing the parameters");
    }
}

PreparedInsert::~PreparedInsert()
{
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &m_statement, DSQL_drop);
}

void PreparedInsert::execute(Transaction &transaction)
{
    ISC_STATUS_ARRAY status;
    isc_dsql_execute(status, transaction.handle(), &m_statement, 1, m_sqlda);
    check(status, "inserting a row");
}

} // namespace gen
