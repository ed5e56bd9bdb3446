#include "ErrorReport.h"

#include <QFileInfo>

QString errorReportCaption(const QString &programFilePath)
{
    QString name = QFileInfo(programFilePath).fileName();
    const qsizetype period = name.indexOf(u'.');
    if (period >= 0)
        name.truncate(period);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}
