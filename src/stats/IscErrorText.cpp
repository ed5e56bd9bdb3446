#include "IscErrorText.h"

#include "FbClientLibrary.h"

#include <iberror.h>

#include <array>

QString formatIscErrorText(long statusCode, const QStringList &messageLines)
{
    static const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("ISC ERROR CODE:") + QString::number(statusCode) + crlf + crlf
                   + QStringLiteral("ISC ERROR MESSAGE:") + crlf;
    QString previous;
    bool first = true;
    for (const QString &raw : messageLines) {
        const QString line = raw.trimmed();
        if (!first && line == previous)
            continue;
        text += line + crlf;
        previous = line;
        first = false;
    }
    return text.left(255);
}

long iscStatusCode(const ISC_STATUS *status)
{
    return status[0] == isc_arg_gds ? static_cast<long>(status[1]) : 0;
}

QStringList iscMessageLines(const FbClientLibrary &library, const ISC_STATUS *status)
{
    QStringList lines;
    const ISC_STATUS *cursor = status;
    std::array<char, 1024> buffer{};
    while (library.interpret(buffer.data(), static_cast<unsigned>(buffer.size()), &cursor) > 0)
        lines << QString::fromLocal8Bit(buffer.data());
    return lines;
}

bool isConnectionLost(const ISC_STATUS *status)
{
    // Walk the whole vector: the lost-link code is often not the first one.
    for (const ISC_STATUS *p = status; *p != isc_arg_end;) {
        const ISC_STATUS kind = p[0];
        if (kind == isc_arg_gds) {
            switch (p[1]) {
            case isc_network_error:
            case isc_net_read_err:
            case isc_net_write_err:
            case isc_lost_db_connection:
            case isc_conn_lost:
            case isc_shutdown:
            case isc_att_shutdown:
                return true;
            default:
                break;
            }
            p += 2;
        } else if (kind == isc_arg_cstring) {
            p += 3;
        } else {
            p += 2;
        }
    }
    return false;
}
