#pragma once
// RefreshResults: re-runs qryAT for the texts of the two date fields.

#include <QLocale>
#include <QString>

#include <functional>

class VisitQuery;

// What the window does around the run. Each may be empty.
struct RefreshHooks
{
    std::function<void()> showBusyPointer;    // the application-wide hourglass
    std::function<void()> suspendView;        // views stop following the query
    std::function<void()> resumeView;         // views rebuild once from the query (open or closed)
    std::function<void()> showDefaultPointer; // the default pointer, not the one before
};

// Busy pointer, suspend, then under a guard: close, set sdate and edate from the texts, open;
// the guard resumes the view and sets the default pointer whatever happened. A failure leaves
// the query closed and reaches the caller unchanged.
void refreshResults(VisitQuery &query, const QString &startText, const QString &endText, const QLocale &locale,
                    const RefreshHooks &hooks = {});
