#include "QelUtil.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QWindow>

namespace {

const QString mainPageTopic = QStringLiteral("Main Page");

bool isTrimmedAway(QChar c)
{
    return c == QLatin1Char(' ') || c.category() == QChar::Other_Control;
}

} // namespace

QString helpTopicFromCaption(const QString &caption)
{
    if (caption.isEmpty())
        return mainPageTopic;

    QStringView topic(caption);
    const qsizetype bracket = topic.indexOf(QLatin1Char(']'));
    if (bracket >= 0)
        topic = topic.sliced(bracket + 1);

    for (const QChar cutAt : {QLatin1Char(':'), QLatin1Char('-'), QLatin1Char('(')}) {
        const qsizetype at = topic.indexOf(cutAt);
        if (at >= 0) {
            topic = topic.first(at);
            break;
        }
    }

    while (!topic.isEmpty() && isTrimmedAway(topic.front()))
        topic = topic.sliced(1);
    while (!topic.isEmpty() && isTrimmedAway(topic.back()))
        topic.chop(1);
    return topic.toString();
}

QString helpAddress(const QString &topic)
{
    return QStringLiteral("http://") + QStringLiteral(BRESOLAN_HELP_HOST)
         + QStringLiteral("/index.php/Special:Search?search=")
         + QString::fromLatin1(QUrl::toPercentEncoding(topic))
         + QStringLiteral("&go=Go");
}

void ShowContextHelp(const std::function<bool(const QUrl &)> &opener)
{
    const QWindow *active = QGuiApplication::focusWindow();
    const QString topic = helpTopicFromCaption(active ? active->title() : QString());
    // The address is already encoded: parsed as encoded text it reaches the browser unchanged.
    const QUrl url = QUrl::fromEncoded(helpAddress(topic).toUtf8(), QUrl::StrictMode);
    if (opener)
        opener(url);
    else
        QDesktopServices::openUrl(url);
}
