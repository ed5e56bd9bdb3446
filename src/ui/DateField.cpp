#include "DateField.h"

#include "BresolanError.h"
#include "DateText.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_locale(QLocale::system())
    , m_button(new QToolButton(this))
    , m_popup(new QFrame(this, Qt::Popup))
    , m_calendar(new QCalendarWidget(m_popup))
{
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setAutoRaise(true);
    connect(m_button, &QToolButton::clicked, this, &DateField::showCalendar);

    m_popup->setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(m_popup); // owned by the popup
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    m_calendar->setGridVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setLocale(m_locale);
    connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &DateField::pick);
}

void DateField::setDate(const QDate &date)
{
    setText(formatShortDate(date, m_locale));
}

std::optional<QDate> DateField::dateValue() const
{
    try {
        if (const auto value = parseDateText(text(), m_locale))
            return value->date();
    } catch (const BresolanError &) {
        // not a date: the field has no date value
    }
    return std::nullopt;
}

void DateField::showCalendar()
{
    m_calendar->setSelectedDate(dateValue().value_or(QDate::currentDate()));
    m_popup->setFont(font()); // a window of its own: it does not take the field's font by itself
    m_popup->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus();
}

bool DateField::isCalendarVisible() const
{
    return m_popup->isVisible();
}

void DateField::pick(const QDate &date)
{
    m_popup->hide();
    setDate(date);
    selectAll();
    setFocus(Qt::PopupFocusReason);
}

void DateField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int side = height() - 2 * frame;
    const int buttonWidth = qMin(side, 16 + 2 * frame);
    m_button->setGeometry(width() - frame - buttonWidth, frame, buttonWidth, side);
    setTextMargins(0, 0, buttonWidth, 0);
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
