#pragma once
// Shared by the window and grid tests: the QApplication, result rows built from counts, and a
// recorder that stands in for the message boxes.

#include "ErrorDialogs.h"
#include "MedicaidShare.h"
#include "VisitRow.h"

#include <QApplication>
#include <QStringList>

#include <memory>
#include <ostream>

#include <gtest/gtest.h>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace windowtest {

// One QApplication for the whole test program, created before the first test.
class QtApplication : public testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "Bresolan";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

inline testing::Environment *const qtApplication = testing::AddGlobalTestEnvironment(new QtApplication);

// A result row as the query delivers it, with both shares computed from the counts.
inline VisitRow visitRow(int addrId, const QString &name, int totalBilled, int mcBilled, int totalRender, int mcRender)
{
    VisitRow row;
    row.addrId = addrId;
    row.sigName = name;
    row.totalBilled = totalBilled;
    row.mcBilled = mcBilled;
    row.totalRender = totalRender;
    row.mcRender = mcRender;
    qryATCalcFields(row);
    return row;
}

// Records the dialogs in the order they were asked for, as "opening: <description>" and
// "report: <text>", and returns at once.
struct DialogLog
{
    QStringList shown;
};

class RecordingDialogs : public ErrorDialogs
{
public:
    explicit RecordingDialogs(DialogLog &log) : m_log(log) {}
    void showOpeningFailed(const QString &description) override { m_log.shown << "opening: " + description; }
    void showErrorReport(const QString &text) override { m_log.shown << "report: " + text; }

private:
    DialogLog &m_log;
};

} // namespace windowtest
