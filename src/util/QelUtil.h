#pragma once
// The online help lookup: a search on the help wiki for the caption of the active window.

#include <functional>

#include <QString>
#include <QUrl>

// The search topic for a window caption: "Main Page" for an empty caption; otherwise the part
// after the first "]", cut before the first ":" (else "-", else "("), without spaces and
// control characters at either end. The topic may be empty.
QString helpTopicFromCaption(const QString &caption);

// The address of the help search for a topic:
// http://<help host>/index.php/Special:Search?search=<topic>&go=Go, with the topic
// percent-encoded as a query value (UTF-8), so that "&", "#", "+" or "%" in a caption
// search for themselves instead of changing the address.
QString helpAddress(const QString &topic);

// Opens the help search for the application's active window (the focus window; none gives
// "Main Page"). `opener` receives the address; by default the desktop's browser opens it.
// Its result is ignored and nothing waits for the browser.
void ShowContextHelp(const std::function<bool(const QUrl &)> &opener = {});
