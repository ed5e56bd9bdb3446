#include "RefreshResults.h"

#include "VisitQuery.h"

namespace {

void call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

class RefreshGuard
{
public:
    explicit RefreshGuard(const RefreshHooks &hooks) : m_hooks(hooks) {}
    ~RefreshGuard()
    {
        call(m_hooks.resumeView);
        call(m_hooks.showDefaultPointer);
    }
    RefreshGuard(const RefreshGuard &) = delete;
    RefreshGuard &operator=(const RefreshGuard &) = delete;

private:
    const RefreshHooks &m_hooks;
};

} // namespace

void refreshResults(VisitQuery &query, const QString &startText, const QString &endText, const QLocale &locale,
                    const RefreshHooks &hooks)
{
    call(hooks.showBusyPointer);
    call(hooks.suspendView);
    RefreshGuard guard(hooks);
    query.close();
    query.setParameterText(QStringLiteral("sdate"), startText, locale);
    query.setParameterText(QStringLiteral("edate"), endText, locale);
    query.open();
}
