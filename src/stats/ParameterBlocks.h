#pragma once
// The attach and transaction parameter blocks sent to the client library.

#include <QByteArray>

// Version 1, then the user name (code 28, blanks around it removed) and the password (code 29),
// each as code, length byte and text; empty items are left out. A text over 255 bytes throws
// BresolanError("Invalid DPB: Contents over 255 characters").
QByteArray buildAttachParameterBlock(const QByteArray &userName, const QByteArray &password);

// Version 3, write (9) or read (8) for a read-only database, read committed (15),
// record version (17), no wait (7).
QByteArray buildTransactionParameterBlock(bool databaseReadOnly);
