#pragma once
// The connection's name=value settings and the database name they make up.

#include <QString>

class ConnectionSettings
{
public:
    ConnectionSettings(); // the built-in values: SYSDBA at 127.0.0.1:c:\gdbmed\medical.gdb over TCP/IP

    // Takes a database name apart into SERVER, PATH and PROTOCOL by the first rule that fits:
    // "d:..." local path, "\\server\path" NETBEUI, "server@path" NOVELL, "server:path" TCP/IP,
    // otherwise a local path. Local names remove the PROTOCOL entry and keep SERVER.
    void setDatabaseName(const QString &name);

    // The attach string built from PROTOCOL, SERVER and PATH.
    QString databaseName() const;

    QString userName() const { return m_userName; }
    QString server() const { return m_server; }
    QString path() const { return m_path; }
    QString protocol() const { return m_protocol; } // empty: no entry (a local database)

private:
    QString m_userName;
    QString m_server;
    QString m_path;
    QString m_protocol;
};

// Throws BresolanError("Invalid connection path") when the first ":" outside double quotation
// marks in the path is followed by something other than "/" or "\".
void checkConnectionPath(const QString &path);
