#pragma once
// The default error report's words: its caption and its text.

#include <QString>

// The program file's name up to its first period, in lower case after the first letter
// ("Bresolan" for Bresolan or Bresolan.exe).
QString errorReportCaption(const QString &programFilePath);

// The failure's message with a period appended when its last character sorts after ".".
QString errorReportText(const QString &message);
