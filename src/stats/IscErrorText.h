#pragma once
// The text of a failed call to the database server, and which failures mean the connection
// itself is gone.

#include <QString>
#include <QStringList>

#include <ibase.h>

class FbClientLibrary;

// "ISC ERROR CODE:<code>", an empty line, "ISC ERROR MESSAGE:", then the message lines trimmed,
// a line equal to the one before it left out; each line ended by CR LF; cut to 255 characters.
QString formatIscErrorText(long statusCode, const QStringList &messageLines);

// The error code of a status vector (its second element) and its interpreted lines.
long iscStatusCode(const ISC_STATUS *status);
QStringList iscMessageLines(const FbClientLibrary &library, const ISC_STATUS *status);

// True when the status vector says the network link or the attachment itself is lost
// (network read/write errors, a shut-down database or server, a lost connection).
bool isConnectionLost(const ISC_STATUS *status);
