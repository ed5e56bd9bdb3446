#pragma once
// A thin layer over the Firebird client library for the generator: a failed call throws with
// the interpreted status lines, and every handle is released by its owner.

#include <ibase.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace gen {

struct IscError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Throws IscError with `what` and the status vector's lines when the status holds an error.
void check(const ISC_STATUS *status, const std::string &what);

class Database;

class Transaction
{
public:
    explicit Transaction(Database &database);
    ~Transaction(); // rolls back what was not committed
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();     // ends the transaction
    void start();      // a new one after commit()
    isc_tr_handle *handle() { return &m_handle; }

private:
    Database &m_database;
    isc_tr_handle m_handle = 0;
};

class Database
{
public:
    // Creates a new database file (dialect 3, WIN1252, 8 KiB pages, forced writes off) at a plain
    // local path, which the embedded engine opens in-process.
    static Database create(const std::string &path);
    static Database attach(const std::string &name, const std::string &user, const std::string &password);

    Database(Database &&other) noexcept : m_handle(other.m_handle) { other.m_handle = 0; }
    Database &operator=(Database &&) = delete;
    ~Database();

    isc_db_handle *handle() { return &m_handle; }

    // Runs one statement without parameters or result in its own transaction.
    void execute(const std::string &sql);
    // The first column of the first row of a query that yields one BIGINT or INTEGER.
    long long scalar(const std::string &sql);

private:
    Database() = default;
    isc_db_handle m_handle = 0;
};

// A prepared INSERT whose parameters are bound to fixed buffers once: the caller fills the
// buffers and calls execute() for each row.
class PreparedInsert
{
public:
    PreparedInsert(Database &database, Transaction &transaction, const std::string &sql);
    ~PreparedInsert();
    PreparedInsert(const PreparedInsert &) = delete;
    PreparedInsert &operator=(const PreparedInsert &) = delete;

    int parameterCount() const { return m_sqlda->sqld; }
    XSQLVAR &parameter(int index) { return m_sqlda->sqlvar[index]; }
    void execute(Transaction &transaction);

private:
    isc_stmt_handle m_statement = 0;
    std::vector<char> m_sqldaStorage;
    XSQLDA *m_sqlda = nullptr;
};

} // namespace gen
