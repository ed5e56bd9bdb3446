#pragma once
// The two message boxes the window can show, behind one seam so that tests record them instead
// of blocking on a modal dialog.

#include <QPointer>
#include <QString>
#include <QWidget>

class ErrorDialogs
{
public:
    virtual ~ErrorDialogs() = default;

    // The start-up sequence could not open the practice database: "Error opening database."
    // captioned "Error". `description` says why (shown only on request).
    virtual void showOpeningFailed(const QString &description) = 0;

    // The default error report: the failure's text (already with its final period) under the
    // program's name.
    virtual void showErrorReport(const QString &text) = 0;
};

// The real dialogs: modal message boxes over `parent`, each with the error icon and one OK.
class MessageBoxDialogs : public ErrorDialogs
{
public:
    explicit MessageBoxDialogs(QWidget *parent) : m_parent(parent) {}

    void showOpeningFailed(const QString &description) override;
    void showErrorReport(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
