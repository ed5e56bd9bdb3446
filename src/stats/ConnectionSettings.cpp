#include "ConnectionSettings.h"

#include "BresolanError.h"

ConnectionSettings::ConnectionSettings()
    : m_userName(QStringLiteral("SYSDBA"))
    , m_server(QStringLiteral("127.0.0.1"))
    , m_path(QStringLiteral("c:\\gdbmed\\medical.gdb"))
    , m_protocol(QStringLiteral("TCP/IP"))
{
}

void ConnectionSettings::setDatabaseName(const QString &name)
{
    if (name.size() > 2 && name.at(1) == u':' && name.indexOf(u':', 2) < 0) {
        m_path = name;
        m_protocol.clear();
    } else if (const qsizetype unc = name.indexOf(QStringLiteral("\\\\")); unc >= 0) {
        const QString rest = name.mid(2);
        const qsizetype slash = rest.indexOf(u'\\');
        m_server = slash < 0 ? rest : rest.left(slash);
        m_path = slash < 0 ? QString() : rest.mid(slash + 1);
        m_protocol = QStringLiteral("NETBEUI");
    } else if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
        m_server = name.left(at);
        m_path = name.mid(at + 1);
        m_protocol = QStringLiteral("NOVELL");
    } else if (const qsizetype colon = name.indexOf(u':'); colon >= 0) {
        m_server = name.left(colon);
        m_path = name.mid(colon + 1);
        m_protocol = QStringLiteral("TCP/IP");
    } else {
        m_path = name;
        m_protocol.clear();
    }
}

QString ConnectionSettings::databaseName() const
{
    const QString protocol = m_protocol.toUpper();
    if (protocol == QLatin1String("TCP/IP"))
        return m_server + u':' + m_path;
    if (protocol == QLatin1String("NETBEUI"))
        return QStringLiteral("\\\\") + m_server + u'\\' + m_path;
    if (protocol == QLatin1String("NOVELL"))
        return m_server + u'@' + m_path;
    return m_path;
}

void checkConnectionPath(const QString &path)
{
    bool quoted = false;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u':' && !quoted) {
            if (i + 1 < path.size() && path.at(i + 1) != u'/' && path.at(i + 1) != u'\\')
                throw BresolanError(QStringLiteral("Invalid connection path"));
            return;
        }
    }
}
