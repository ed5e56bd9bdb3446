// The date fields: the short date text, the date value, and the drop-down calendar.
#include "DateField.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The tests run under the C locale, which writes short dates the United States way.
TEST(DateField, WritesTheShortDateWithFourDigitYearAndReadsItsDateValue)
{
    DateField field;
    field.setDate(QDate(2010, 10, 1));
    EXPECT_EQ(field.text(), "10/1/2010");
    EXPECT_EQ(field.dateValue(), QDate(2010, 10, 1));

    const struct { const char *text; std::optional<QDate> date; } cases[] = {
        {"12/31/2010", QDate(2010, 12, 31)},
        {" 1/5/11 ", QDate(2011, 1, 5)},
        {"", std::nullopt},
        {"soon", std::nullopt},
        {"13/1/2010", std::nullopt},
    };
    for (const auto &c : cases) {
        field.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(field.text(), QString::fromUtf8(c.text)) << "any text may stand in the field";
        EXPECT_EQ(field.dateValue(), c.date) << c.text;
    }
}

TEST(DateField, CalendarOpensFromTheKeyboardOrButtonAndWritesThePickedDay)
{
    QWidget window;
    DateField field(&window);
    field.setDate(QDate(2010, 10, 1));
    window.resize(200, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    field.setFocus();

    QTest::keyClick(&field, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(field.isCalendarVisible());
    EXPECT_EQ(field.calendar()->selectedDate(), QDate(2010, 10, 1)) << "opens on the field's date";
    QWidget *days = QApplication::focusWidget();
    ASSERT_TRUE(days && field.calendar()->isAncestorOf(days));
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(field.isCalendarVisible());
    EXPECT_EQ(field.text(), "10/2/2010");

    // Escape closes without a change; the button opens it too.
    QTest::keyClick(&field, Qt::Key_F4);
    ASSERT_TRUE(field.isCalendarVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(field.isCalendarVisible());
    EXPECT_EQ(field.text(), "10/2/2010");
    QTest::mouseClick(field.dropDownButton(), Qt::LeftButton);
    EXPECT_TRUE(field.isCalendarVisible());
}

} // namespace
