#pragma once
// The grid as comma-separated text: every field in double quotes (a quote inside doubled),
// fields joined by ",", every line ended by CR LF; the header line with the captions, one line
// per row with the display texts, and the footer line with the footer texts. Encoded in the
// system's encoding (UTF-8 here), without a byte-order mark.

#include "GridSnapshot.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One line, CR LF included, still as text.
QString csvLine(const QStringList &fields);

// The whole file as text, and as the bytes written.
QString csvText(const GridSnapshot &snapshot);
QByteArray csvBytes(const GridSnapshot &snapshot);

// Writes the bytes to a temporary file beside `path` and renames it onto `path`, replacing a
// file of that name; a failure leaves no partial file and an existing file as it was.
// Throws BresolanError `Cannot create file "<path>". <system reason>`.
void writeCsvFile(const QByteArray &bytes, const QString &path);
