#include "CsvWriter.h"

#include "BresolanError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

namespace {

const QString kQuote = QStringLiteral("\"");
const QString kDoubledQuote = QStringLiteral("\"\"");

QString quoted(QString field)
{
    return kQuote + field.replace(kQuote, kDoubledQuote) + kQuote;
}

[[noreturn]] void throwCreateError(const QString &path, const QString &reason)
{
    throw BresolanError(QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

// The system's reason for a failed open: Qt words a directory in the target's place itself,
// so that case is given the system's own text.
QString openFailureReason(const QString &path, const QSaveFile &file)
{
    if (QFileInfo(path).isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    return file.errorString();
}

} // namespace

QString csvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += quoted(fields.at(i));
    }
    return line + QStringLiteral("\r\n");
}

QString csvText(const GridSnapshot &snapshot)
{
    QString text;
    QStringList fields;
    for (const SnapshotColumn &column : snapshot.columns)
        fields.append(column.caption);
    text += csvLine(fields);

    for (const QList<SnapshotCell> &row : snapshot.rows) {
        fields.clear();
        for (qsizetype c = 0; c < snapshot.columns.size(); ++c)
            fields.append(row.value(c).text);
        text += csvLine(fields);
    }

    fields.clear();
    for (qsizetype c = 0; c < snapshot.columns.size(); ++c)
        fields.append(snapshot.footerTexts.value(c));
    text += csvLine(fields);
    return text;
}

QByteArray csvBytes(const GridSnapshot &snapshot)
{
    QStringEncoder encoder(QStringConverter::System); // no byte-order mark unless asked for
    return encoder.encode(csvText(snapshot));
}

void writeCsvFile(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path); // an uncommitted file is discarded when it goes out of scope
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwCreateError(path, openFailureReason(path, file));
    // Qt reports a short write (full disk, size limit) as success, and its buffered writing
    // would let commit() put a truncated file in place: write unbuffered until every byte is
    // written, so the failing write reports the system's reason.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            throwCreateError(path, file.errorString());
        done += written;
    }
    if (!file.commit())
        throwCreateError(path, file.errorString());
}
