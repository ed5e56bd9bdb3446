#pragma once
// The start-up sequence of the main window (FormActivate), without the window: where the
// configuration lies, the guarded block that opens the practice database, and the rule that
// only the first activation runs it.

#include <QString>

#include <optional>

class DatabaseConnection;

// The folder of the running program with "telvosetup.ini" appended.
QString configurationPath(const QString &programFolder);

// The guarded block: read [IB] NetPathMed from the configuration, append "medical.gdb", give the
// name to the connection and open it. Returns the failure's description when any step fails
// (the user is shown only "Error opening database."), nothing on success.
std::optional<QString> openPracticeDatabase(DatabaseConnection &connection, const QString &configPath);

// The text the user sees when the guarded block fails.
QString openingFailedText();

// FormActivate runs on the first activation only; later activations (the date fields' calendar
// closing, for one) do nothing.
class StartupSequence
{
public:
    bool takeFirstActivation()
    {
        const bool first = !m_ran;
        m_ran = true;
        return first;
    }

private:
    bool m_ran = false;
};
