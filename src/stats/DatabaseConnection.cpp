#include "DatabaseConnection.h"

#include "BresolanError.h"
#include "FbClientLibrary.h"
#include "IscErrorText.h"
#include "ParameterBlocks.h"

#include <array>

namespace {

// Reads a little-endian integer of the database-info reply ("vax" order).
int vaxInteger(const char *data, int length)
{
    int value = 0;
    for (int i = 0; i < length; ++i)
        value |= static_cast<int>(static_cast<unsigned char>(data[i])) << (8 * i);
    return value;
}

// The transaction existence block of isc_start_multiple, as the client library lays it out.
struct TransactionExistenceBlock
{
    isc_db_handle *database;
    int tpbLength;
    const char *tpb;
};

} // namespace

DatabaseConnection::DatabaseConnection(std::string clientLibrary, QByteArray password)
    : m_clientLibraryName(std::move(clientLibrary)), m_password(std::move(password))
{
}

DatabaseConnection::~DatabaseConnection()
{
    if (!m_client)
        return;
    ISC_STATUS_ARRAY status{};
    if (m_transaction)
        m_client->commitTransaction(status, &m_transaction);
    if (m_database)
        m_client->detachDatabase(status, &m_database);
}

std::string DatabaseConnection::defaultClientLibrary()
{
#ifdef _WIN32
    return "gds32.dll";
#else
    return BRESOLAN_CLIENT_LIBRARY;
#endif
}

void DatabaseConnection::setDatabaseName(const QString &name)
{
    if (isConnected())
        throw BresolanError(QStringLiteral("Cannot change while connected"));
    m_settings.setDatabaseName(name);
}

void DatabaseConnection::connect()
{
    if (isConnected())
        return;
    const QByteArray attachString = m_settings.databaseName().toLocal8Bit();
    checkConnectionPath(m_settings.path());
    const QByteArray dpb = buildAttachParameterBlock(m_settings.userName().toLocal8Bit(), m_password);
    if (!m_client)
        m_client = FbClientLibrary::load(m_clientLibraryName);

    ISC_STATUS_ARRAY status{};
    isc_db_handle database = 0;
    if (m_client->attachDatabase(status, static_cast<short>(attachString.size()), attachString.constData(),
                                 &database, static_cast<short>(dpb.size()), dpb.constData())) {
        raise(status);
    }
    m_database = database;
    ++m_attachmentNumber;
    try {
        readDatabaseInfo();
    } catch (...) {
        releaseHandles();
        throw;
    }
}

void DatabaseConnection::readDatabaseInfo()
{
    const std::array<char, 2> items{isc_info_db_sql_dialect, isc_info_db_read_only};
    std::array<char, 64> reply{};
    ISC_STATUS_ARRAY status{};
    if (m_client->databaseInfo(status, &m_database, static_cast<short>(items.size()), items.data(),
                               static_cast<short>(reply.size()), reply.data())) {
        raise(status);
    }
    m_dialect = 1;
    m_readOnly = false;
    for (std::size_t i = 0; i + 3 <= reply.size() && reply[i] != isc_info_end;) {
        const char item = reply[i];
        const int length = vaxInteger(&reply[i + 1], 2);
        if (item == isc_info_truncated || i + 3 + length > reply.size())
            break;
        const int value = vaxInteger(&reply[i + 3], length);
        if (item == isc_info_db_sql_dialect && value > 0)
            m_dialect = value;
        else if (item == isc_info_db_read_only)
            m_readOnly = value != 0;
        i += 3 + static_cast<std::size_t>(length);
    }
}

isc_tr_handle *DatabaseConnection::defaultTransaction()
{
    connect();
    if (!m_transaction) {
        const QByteArray tpb = buildTransactionParameterBlock(m_readOnly);
        TransactionExistenceBlock teb{&m_database, static_cast<int>(tpb.size()), tpb.constData()};
        ISC_STATUS_ARRAY status{};
        isc_tr_handle transaction = 0;
        if (m_client->startMultiple(status, &transaction, 1, &teb))
            raise(status);
        m_transaction = transaction;
    }
    return &m_transaction;
}

void DatabaseConnection::commitDefaultTransaction()
{
    if (!m_transaction)
        return;
    ISC_STATUS_ARRAY status{};
    if (m_client->commitTransaction(status, &m_transaction))
        raise(status);
    m_transaction = 0;
}

void DatabaseConnection::raise(const ISC_STATUS *status)
{
    const QString text = formatIscErrorText(iscStatusCode(status), iscMessageLines(*m_client, status));
    if (m_database && isConnectionLost(status))
        releaseHandles();
    throw BresolanError(text);
}

void DatabaseConnection::releaseHandles()
{
    // The client library frees a lost attachment's resources on detach even though the call
    // itself reports the broken link; the result is of no interest here.
    ISC_STATUS_ARRAY ignored{};
    if (m_transaction)
        m_client->rollbackTransaction(ignored, &m_transaction);
    if (m_database)
        m_client->detachDatabase(ignored, &m_database);
    m_transaction = 0;
    m_database = 0;
}
