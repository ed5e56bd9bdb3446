#include "QelUtil.h"

#include <memory>
#include <vector>

#include <QGuiApplication>
#include <QTest>
#include <QUrlQuery>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

TEST(HelpTopic, FromTheWindowCaption)
{
    const struct
    {
        QString caption;
        QString topic;
    } cases[] = {
        {QStringLiteral("Bresolan"), QStringLiteral("Bresolan")},
        {QStringLiteral("[x] Foo: bar"), QStringLiteral("Foo")},
        {QStringLiteral("Report Setup - Billing (2010)"), QStringLiteral("Report Setup")},
        {QStringLiteral("a:b] c-d"), QStringLiteral("c")},
        {QStringLiteral("Totals (all)"), QStringLiteral("Totals")},
        {QString(), QStringLiteral("Main Page")},
        {QStringLiteral("    "), QString()},
        {QStringLiteral("Print Preview]"), QString()},
        // The colon search decides before the dash search, wherever each stands.
        {QStringLiteral("Setup - Billing: 2010"), QStringLiteral("Setup - Billing")},
        {QStringLiteral("Setup (Billing) - 2010"), QStringLiteral("Setup (Billing)")},
        // Only the first "]" counts.
        {QStringLiteral("[a] b] c"), QStringLiteral("b] c")},
        // Control characters go with the spaces at both ends, not inside.
        {QStringLiteral("\t Help\x01Me \r\n"), QStringLiteral("Help\x01Me")},
        {QStringLiteral("Übersicht"), QStringLiteral("Übersicht")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(helpTopicFromCaption(c.caption), c.topic);
    }
}

TEST(HelpAddress, TopicIsAQueryValue)
{
    const QString prefix = QStringLiteral("/index.php/Special:Search?search=");
    const struct
    {
        QString topic;
        const char *encoded;
    } cases[] = {
        {QStringLiteral("Bresolan"), "Bresolan"},
        {QStringLiteral("Main Page"), "Main%20Page"},
        {QStringLiteral("Report Setup"), "Report%20Setup"},
        {QStringLiteral("a&b"), "a%26b"},
        {QStringLiteral("#"), "%23"},
        {QStringLiteral("1+1=2"), "1%2B1%3D2"},
        {QStringLiteral("100%"), "100%25"},
        {QStringLiteral("Übersicht"), "%C3%9Cbersicht"},
        {QString(), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.topic.toStdString());
        const QString address = helpAddress(c.topic);
        ASSERT_TRUE(address.startsWith(QStringLiteral("http://")));
        EXPECT_TRUE(address.endsWith(prefix + QString::fromLatin1(c.encoded) + QStringLiteral("&go=Go")))
            << address.toStdString();

        // Handed on as a URL it is neither decoded nor encoded twice.
        const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
        ASSERT_TRUE(url.isValid());
        EXPECT_EQ(url.scheme(), QStringLiteral("http"));
        EXPECT_FALSE(url.host().isEmpty());
        EXPECT_EQ(url.path(), QStringLiteral("/index.php/Special:Search"));
        EXPECT_EQ(QString::fromLatin1(url.toEncoded()), address);
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("search"), QUrl::FullyDecoded), c.topic);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("go")), QStringLiteral("Go"));
        EXPECT_FALSE(url.hasFragment());
    }
}

class ShowContextHelpTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "QelUtil_test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    // Runs the lookup with the test seam in place of the browser; the addresses it was handed.
    static std::vector<QByteArray> openedAddresses()
    {
        std::vector<QByteArray> opened;
        ShowContextHelp([&opened](const QUrl &url) {
            opened.push_back(url.toEncoded());
            return false; // a failure to open is ignored
        });
        return opened;
    }

    static inline std::unique_ptr<QGuiApplication> s_app;
};

TEST_F(ShowContextHelpTest, WithoutAnActiveWindowSearchesTheMainPage)
{
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    const std::vector<QByteArray> opened = openedAddresses();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened.front().endsWith("/index.php/Special:Search?search=Main%20Page&go=Go"))
        << opened.front().toStdString();
}

TEST_F(ShowContextHelpTest, SearchesForTheActiveWindowsCaption)
{
    QWindow window;
    window.setTitle(QStringLiteral("Report Setup - Billing (2010)"));
    window.show();
    window.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    std::vector<QByteArray> opened = openedAddresses();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened.front().endsWith("/index.php/Special:Search?search=Report%20Setup&go=Go"))
        << opened.front().toStdString();

    window.setTitle(QStringLiteral("Bresolan"));
    opened = openedAddresses();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened.front().endsWith("/index.php/Special:Search?search=Bresolan&go=Go"));

    window.setTitle(QString());
    opened = openedAddresses();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened.front().endsWith("?search=Main%20Page&go=Go"));
}

} // namespace
