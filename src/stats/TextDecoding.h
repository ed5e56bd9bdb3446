#pragma once
// Decoding text columns by the character set the server describes for them.

#include <QByteArray>
#include <QString>

// Firebird character set ids: UTF8 (4) and UNICODE_FSS (3) are UTF-8; NONE, WIN1252, ISO8859_1
// and everything else are read as Windows-1252.
QString decodeColumnText(const char *data, qsizetype length, int characterSetId);

QString decodeWindows1252(const char *data, qsizetype length);
