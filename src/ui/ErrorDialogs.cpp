#include "ErrorDialogs.h"

#include "ErrorReport.h"
#include "StartupSequence.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void showError(QWidget *parent, const QString &caption, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

} // namespace

void MessageBoxDialogs::showOpeningFailed(const QString &description)
{
    showError(m_parent, QStringLiteral("Error"), openingFailedText(), description);
}

void MessageBoxDialogs::showErrorReport(const QString &text)
{
    showError(m_parent, errorReportCaption(QCoreApplication::applicationFilePath()), text, {});
}
