#include "StartupSequence.h"

#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "IniFile.h"

#include <QDir>

QString configurationPath(const QString &programFolder)
{
    QString folder = QDir::toNativeSeparators(programFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + QStringLiteral("telvosetup.ini");
}

QString openingFailedText()
{
    return QStringLiteral("Error opening database.");
}

std::optional<QString> openPracticeDatabase(DatabaseConnection &connection, const QString &configPath)
{
    try {
        const QString value = readProfileString(configPath, QStringLiteral("IB"), QStringLiteral("NetPathMed"));
        if (value.isEmpty())
            throw BresolanError(QStringLiteral("Cannot find NetPathMed in file ") + configPath
                                + QStringLiteral(".  Check to make sure you installed the update in the TELVO folder."));
        connection.setDatabaseName(value + QStringLiteral("medical.gdb"));
        connection.connect();
    } catch (const BresolanError &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}
