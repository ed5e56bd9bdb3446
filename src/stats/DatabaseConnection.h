#pragma once
// conMain: the one connection to the practice database, with its default transaction.
//
// Closed at creation; connect() makes one attach attempt; a statement over a closed connection
// attaches first (the implicit connect). When a call fails because the link to the server is
// lost, the connection releases its handles and returns to closed, so that the next statement
// attaches again. It never writes to the database.

#include "ConnectionSettings.h"
#include "SavedPassword.h"

#include <ibase.h>

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class FbClientLibrary;

class DatabaseConnection
{
public:
    // clientLibrary: the file name under which the client library is loaded at the first attach;
    // password: what is sent with the user name (the saved password unless a test says otherwise).
    explicit DatabaseConnection(std::string clientLibrary = defaultClientLibrary(),
                                QByteArray password = savedPassword());
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection &) = delete;
    DatabaseConnection &operator=(const DatabaseConnection &) = delete;

    static std::string defaultClientLibrary();

    // Throws "Cannot change while connected" while open, changing nothing.
    void setDatabaseName(const QString &name);
    QString databaseName() const { return m_settings.databaseName(); }
    const ConnectionSettings &settings() const { return m_settings; }

    void connect(); // does nothing while open
    bool isConnected() const { return m_database != 0; }

    // Known once attached: the database's SQL dialect (1 when it reports none) and whether the
    // database is read-only.
    int sqlDialect() const { return m_dialect; }
    bool isReadOnly() const { return m_readOnly; }

    // For statements. Each attach gets a new number, so that a statement prepared on an earlier
    // attachment knows its handle is gone.
    const FbClientLibrary &client() const { return *m_client; }
    isc_db_handle *databaseHandle() { return &m_database; }
    isc_tr_handle *defaultTransaction(); // started when first needed
    bool hasTransaction() const { return m_transaction != 0; }
    // Ends the default transaction (the program writes nothing, so a commit only lets the
    // server collect old record versions); the next statement starts a new one.
    void commitDefaultTransaction();
    unsigned attachmentNumber() const { return m_attachmentNumber; }

    // Every statement text prepared over this connection, in order (for diagnostics and tests).
    const QStringList &preparedStatements() const { return m_prepared; }
    void notePrepared(const QString &sql) { m_prepared << sql; }

    // Turns a failed call's status vector into the user's error text and throws it; first
    // releases every handle when the connection itself is lost.
    [[noreturn]] void raise(const ISC_STATUS *status);

private:
    void readDatabaseInfo();
    void releaseHandles();

    std::string m_clientLibraryName;
    QByteArray m_password;
    std::shared_ptr<const FbClientLibrary> m_client;
    ConnectionSettings m_settings;
    isc_db_handle m_database = 0;
    isc_tr_handle m_transaction = 0;
    int m_dialect = 1;
    bool m_readOnly = false;
    unsigned m_attachmentNumber = 0;
    QStringList m_prepared;
};
