#pragma once
// A date field with a drop-down calendar: a line of text that normally holds one date in the
// user's short date format. It may be emptied and may hold any text; the text is what the
// query reads, the date value what the export's file name takes.

#include <QDate>
#include <QLineEdit>
#include <QLocale>

#include <optional>

class QCalendarWidget;
class QFrame;
class QToolButton;

class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // Writes the date in the short format of the user's regional settings (four-digit year).
    void setDate(const QDate &date);
    // The date the text stands for: none when the text is empty or no date.
    std::optional<QDate> dateValue() const;

    // The drop-down calendar (opened by the button, Alt+Down or F4).
    void showCalendar();
    bool isCalendarVisible() const;
    QCalendarWidget *calendar() const { return m_calendar; }
    QToolButton *dropDownButton() const { return m_button; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pick(const QDate &date);

    QLocale m_locale;
    QToolButton *m_button;   // child of this field
    QFrame *m_popup;         // child of this field, a popup window
    QCalendarWidget *m_calendar; // child of the popup
};
