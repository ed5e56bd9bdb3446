#include "PracticeLoader.h"

#include "Isc.h"
#include "PracticeShape.h"

#include <chrono>
#include <cstring>

namespace gen {

namespace {

constexpr int kRowsPerCommit = 5000;

struct VaryingText
{
    short length = 0;
    char bytes[64] = {};
};

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Points a parameter at a buffer of the type the loader fills.
void bind(XSQLVAR &parameter, short type, void *data, short length, short *nullFlag)
{
    parameter.sqltype = static_cast<ISC_SHORT>(type | 1);
    parameter.sqlscale = 0;
    parameter.sqllen = length;
    parameter.sqldata = static_cast<char *>(data);
    parameter.sqlind = nullFlag;
}

void setText(VaryingText &target, short &nullFlag, const char *text)
{
    nullFlag = text ? 0 : -1;
    if (!text)
        return;
    const std::size_t length = std::strlen(text);
    std::memcpy(target.bytes, text, length);
    target.length = static_cast<short>(length);
}

void createSchema(Database &database)
{
    database.execute("CREATE TABLE drlabel (addr_id INTEGER NOT NULL PRIMARY KEY, signame VARCHAR(40), "
                     "typeprovider SMALLINT)");
    database.execute("CREATE TABLE ins_carrier (ins_carrier_code VARCHAR(10) NOT NULL PRIMARY KEY, "
                     "claim_filing_code CHAR(2))");
    database.execute("CREATE TABLE archive_transactions (transaction_id INTEGER NOT NULL, cptcode VARCHAR(10), "
                     "date1 DATE, p_addr_id INTEGER, rend_addr_id INTEGER, ins_carrier_code VARCHAR(10), "
                     "ins_carrier_code_other VARCHAR(10))");
}

void loadProvidersAndCarriers(Database &database, const std::vector<Provider> &providers)
{
    Transaction transaction(database);
    {
        PreparedInsert insert(database, transaction, "INSERT INTO drlabel (addr_id, signame, typeprovider) VALUES (?, ?, ?)");
        int addrId = 0;
        VaryingText name;
        int typeProvider = 0;
        short notNull = 0, nameNull = 0, typeNull = 0;
        bind(insert.parameter(0), SQL_LONG, &addrId, sizeof addrId, &notNull);
        bind(insert.parameter(1), SQL_VARYING, &name, sizeof name.bytes, &nameNull);
        bind(insert.parameter(2), SQL_LONG, &typeProvider, sizeof typeProvider, &typeNull);
        for (const Provider &p : providers) {
            addrId = p.addrId;
            setText(name, nameNull, p.sigName.c_str());
            typeNull = p.typeProvider ? 0 : -1;
            typeProvider = p.typeProvider.value_or(0);
            insert.execute(transaction);
        }
    }
    {
        PreparedInsert insert(database, transaction, "INSERT INTO ins_carrier (ins_carrier_code, claim_filing_code) VALUES (?, ?)");
        VaryingText code, filing;
        short codeNull = 0, filingNull = 0;
        bind(insert.parameter(0), SQL_VARYING, &code, sizeof code.bytes, &codeNull);
        bind(insert.parameter(1), SQL_VARYING, &filing, sizeof filing.bytes, &filingNull);
        for (const Carrier &c : practiceCarriers()) {
            setText(code, codeNull, c.code);
            setText(filing, filingNull, c.claimFilingCode);
            insert.execute(transaction);
        }
    }
    transaction.commit();
}

void loadTransactions(Database &database, const std::vector<Provider> &providers, std::int64_t rows)
{
    Transaction transaction(database);
    PreparedInsert insert(database, transaction,
                          "INSERT INTO archive_transactions (transaction_id, cptcode, date1, p_addr_id, rend_addr_id, "
                          "ins_carrier_code, ins_carrier_code_other) VALUES (?, ?, ?, ?, ?, ?, ?)");
    int id = 0, billedBy = 0, renderedBy = 0;
    ISC_DATE date = 0;
    VaryingText code, carrier, other;
    short notNull = 0, codeNull = 0, carrierNull = 0, otherNull = 0;
    bind(insert.parameter(0), SQL_LONG, &id, sizeof id, &notNull);
    bind(insert.parameter(1), SQL_VARYING, &code, sizeof code.bytes, &codeNull);
    bind(insert.parameter(2), SQL_TYPE_DATE, &date, sizeof date, &notNull);
    bind(insert.parameter(3), SQL_LONG, &billedBy, sizeof billedBy, &notNull);
    bind(insert.parameter(4), SQL_LONG, &renderedBy, sizeof renderedBy, &notNull);
    bind(insert.parameter(5), SQL_VARYING, &carrier, sizeof carrier.bytes, &carrierNull);
    bind(insert.parameter(6), SQL_VARYING, &other, sizeof other.bytes, &otherNull);

    TransactionStream stream(providers, rows);
    for (std::int64_t row = 1; row <= rows; ++row) {
        const ArchiveRow t = stream.next();
        id = t.transactionId;
        setText(code, codeNull, t.cptCode);
        date = t.dayNumber;
        billedBy = t.billedBy;
        renderedBy = t.renderedBy;
        setText(carrier, carrierNull, t.carrier);
        setText(other, otherNull, t.carrierOther);
        insert.execute(transaction);
        if (row % kRowsPerCommit == 0) {
            transaction.commit();
            transaction.start();
        }
    }
    transaction.commit();
}

void createIndexes(Database &database)
{
    database.execute("ALTER TABLE archive_transactions ADD CONSTRAINT pk_archive PRIMARY KEY (transaction_id)");
    database.execute("CREATE INDEX archive_date1 ON archive_transactions (date1)");
    database.execute("CREATE INDEX archive_p_addr_id ON archive_transactions (p_addr_id)");
    database.execute("CREATE INDEX archive_rend_addr_id ON archive_transactions (rend_addr_id)");
    database.execute("CREATE INDEX archive_cptcode ON archive_transactions (cptcode)");
}

} // namespace

LoadTimes buildPracticeDatabase(const std::string &path, int listedProviders, std::int64_t rows)
{
    LoadTimes times;
    const std::vector<Provider> providers = practiceProviders(listedProviders);
    auto start = std::chrono::steady_clock::now();
    Database database = Database::create(path);
    createSchema(database);
    loadProvidersAndCarriers(database, providers);
    times.schemaSeconds = secondsSince(start);

    start = std::chrono::steady_clock::now();
    loadTransactions(database, providers, rows);
    times.rowsSeconds = secondsSince(start);

    start = std::chrono::steady_clock::now();
    createIndexes(database);
    times.indexSeconds = secondsSince(start);

    const long long stored = database.scalar("SELECT COUNT(*) FROM archive_transactions");
    if (stored != rows)
        throw IscError(path + ": " + std::to_string(stored) + " rows stored, " + std::to_string(rows) + " expected");
    return times;
}

} // namespace gen
