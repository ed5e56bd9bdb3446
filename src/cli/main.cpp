// bresolan-report: the window's figures without a window.
#include "ReportCommand.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Only the PDF needs fonts and a paint engine; the report never shows a window.
    bool needsGui = false;
    for (int i = 1; i < argc; ++i)
        needsGui = needsGui || std::strcmp(argv[i], "--pdf") == 0;
    std::unique_ptr<QCoreApplication> application;
    if (needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return runReportCommand(arguments, QCoreApplication::applicationDirPath(), QLocale::system(), stdout, stderr);
}
