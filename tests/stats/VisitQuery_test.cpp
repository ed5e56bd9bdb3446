// Counting against real databases: every expected figure is counted here from the rows the
// fixture inserted, never by running the statement's SQL.
#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "PracticeFixture.h"
#include "RefreshResults.h"
#include "VisitQuery.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

QDateTime at(int y, int m, int d, int h = 0, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

// Providers 1..6 are listed; 7 (type 0), 8 (negative) and 9 (empty type) are not.
PracticeData countingPractice()
{
    PracticeData data;
    data.providers = {
        {1, QStringLiteral("Zoë Ümlaut, PA-C"), 1}, {2, QStringLiteral("O'Brien, Pat MD"), 1},
        {3, QStringLiteral("Third Provider"), 2},   {4, QStringLiteral("No Visits Yet"), 1},
        {5, QStringLiteral("Renders Only"), 1},     {6, QStringLiteral("Bills Only"), 1},
        {7, QStringLiteral("Type Zero"), 0},        {8, QStringLiteral("Negative Type"), -1},
        {9, QStringLiteral("Empty Type"), std::nullopt},
    };
    data.carriers = {{QStringLiteral("MCD1"), QStringLiteral("MC")}, {QStringLiteral("MCD2"), QStringLiteral("MC")},
                     {QStringLiteral("BCBS"), QStringLiteral("BL")}, {QStringLiteral("MCR"), QStringLiteral("MB")}};

    const QStringList carriers = {QStringLiteral("MCD1"), QStringLiteral("MCD2"), QStringLiteral("BCBS"),
                                  QStringLiteral("MCR"), QStringLiteral("NONE")};
    QStringList codes = visitCodes();
    for (const char *other : {"99206", "99207", "99208", "99209", "99210", "99211", "99396", "90658"})
        codes << QString::fromLatin1(other);

    QRandomGenerator random(20101001);
    const auto pick = [&random](int n) { return static_cast<int>(random.bounded(n)); };
    for (int i = 0; i < 600; ++i) {
        TransactionRow t;
        t.cptCode = codes.at(pick(static_cast<int>(codes.size())));
        t.date1 = QDateTime(QDate(2010, 9, 1).addDays(pick(150)), QTime(pick(3) == 0 ? 9 + pick(8) : 0, pick(2) * 30));
        const int billed = 1 + pick(9), rendered = 1 + pick(9);
        t.billedBy = billed == 5 ? 1 : billed;   // 5 renders only
        t.renderedBy = rendered == 6 ? 2 : rendered; // 6 bills only
        if (pick(3) > 0)
            t.carrier = carriers.at(pick(5));
        if (pick(3) == 0)
            t.carrierOther = carriers.at(pick(5));
        data.transactions.push_back(t);
    }
    // Rows that the statement must never count, and the day boundaries.
    const auto row = [](std::optional<QString> code, std::optional<QDateTime> date, std::optional<int> billed,
                        std::optional<int> rendered, std::optional<QString> carrier = {},
                        std::optional<QString> other = {}) {
        return TransactionRow{std::move(code), std::move(date), billed, rendered, std::move(carrier), std::move(other)};
    };
    data.transactions.push_back(row(std::nullopt, at(2010, 10, 5), 1, 1, QStringLiteral("MCD1")));
    data.transactions.push_back(row(QStringLiteral("99213"), std::nullopt, 1, 1, QStringLiteral("MCD1")));
    data.transactions.push_back(row(QStringLiteral("99213"), at(2010, 10, 5), std::nullopt, std::nullopt));
    data.transactions.push_back(row(QStringLiteral("99213"), at(2010, 10, 5), 7, 8, QStringLiteral("MCD1")));
    data.transactions.push_back(row(QStringLiteral("99213"), at(2010, 10, 5), 1, 2, QStringLiteral("MCD1"), QStringLiteral("MCD2")));
    data.transactions.push_back(row(QStringLiteral("99213"), at(2010, 10, 5), 3, 3, QStringLiteral("BCBS"), QStringLiteral("MCD2")));
    data.transactions.push_back(row(QStringLiteral("99395"), at(2010, 12, 31), 1, 1, QStringLiteral("MCD1")));
    data.transactions.push_back(row(QStringLiteral("99395"), at(2010, 12, 31, 16, 45), 1, 1, QStringLiteral("MCD1")));
    data.transactions.push_back(row(QStringLiteral("99201"), at(2010, 10, 1), 2, 2));
    data.transactions.push_back(row(QStringLiteral("99201"), at(2010, 9, 30, 23, 59), 2, 2));
    return data;
}

struct Counts
{
    qint32 totalBilled = 0, mcBilled = 0, totalRender = 0, mcRender = 0;
    bool operator==(const Counts &) const = default;
};

// The counting rules, written out plainly over the inserted rows.
std::map<int, Counts> expectedCounts(const PracticeData &data, SchemaVariant variant, std::optional<QDate> start,
                                     std::optional<QDate> end)
{
    std::set<QString> medicaid;
    for (const CarrierRow &c : data.carriers)
        if (c.claimFilingCode == QLatin1String("MC"))
            medicaid.insert(c.code);
    const QStringList &codes = visitCodes();
    std::map<int, Counts> counts;
    for (const ProviderRow &p : data.providers)
        if (p.typeProvider && *p.typeProvider > 0)
            counts[*p.addrId];
    if (!start || !end)
        return counts;
    const QDateTime from(*start, QTime(0, 0)), to(*end, QTime(0, 0));
    for (const TransactionRow &t : data.transactions) {
        if (!t.date1 || !t.cptCode || !codes.contains(*t.cptCode))
            continue;
        const QDateTime when = variant == SchemaVariant::Dialect3Date ? QDateTime(t.date1->date(), QTime(0, 0)) : *t.date1;
        if (when < from || when > to)
            continue;
        const bool isMedicaid = (t.carrier && medicaid.count(*t.carrier)) || (t.carrierOther && medicaid.count(*t.carrierOther));
        if (t.billedBy && counts.count(*t.billedBy)) {
            ++counts[*t.billedBy].totalBilled;
            counts[*t.billedBy].mcBilled += isMedicaid;
        }
        if (t.renderedBy && counts.count(*t.renderedBy)) {
            ++counts[*t.renderedBy].totalRender;
            counts[*t.renderedBy].mcRender += isMedicaid;
        }
    }
    return counts;
}

std::map<int, Counts> countsOf(const VisitQuery &query)
{
    std::map<int, Counts> counts;
    for (const VisitRow &r : query.rows())
        counts[r.addrId] = {r.totalBilled, r.mcBilled, r.totalRender, r.mcRender};
    return counts;
}

class VisitCounting : public ::testing::TestWithParam<SchemaVariant>
{
};

TEST_P(VisitCounting, MatchesTheRowsForEveryRange)
{
    const PracticeData data = countingPractice();
    PracticeFixture fixture(QStringLiteral("counting"), data, {GetParam()});
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    VisitQuery query(connection);

    const struct { const char *start; const char *end; std::optional<QDate> from, to; } ranges[] = {
        {"10/1/2010", "12/31/2010", QDate(2010, 10, 1), QDate(2010, 12, 31)},
        {"10/5/2010", "10/5/2010", QDate(2010, 10, 5), QDate(2010, 10, 5)},    // one day
        {"12/31/2010", "10/1/2010", QDate(2010, 12, 31), QDate(2010, 10, 1)},  // start after end
        {"", "12/31/2010", std::nullopt, QDate(2010, 12, 31)},
        {"10/1/2010", "", QDate(2010, 10, 1), std::nullopt},
        {"9/1/2010 00:00", "1/31/2011", QDate(2010, 9, 1), QDate(2011, 1, 31)},
    };
    for (const auto &range : ranges) {
        SCOPED_TRACE(std::string(range.start) + " to " + range.end);
        refreshResults(query, QString::fromLatin1(range.start), QString::fromLatin1(range.end), kUnitedStates);
        ASSERT_TRUE(query.isOpen());
        const auto expected = expectedCounts(data, GetParam(), range.from, range.to);
        EXPECT_EQ(countsOf(query), expected);
        EXPECT_EQ(query.rows().size(), 6u);
    }
    EXPECT_EQ(connection.preparedStatements(), QStringList{connection.preparedStatements().value(0)});
}

INSTANTIATE_TEST_SUITE_P(AllSchemas, VisitCounting,
                         ::testing::Values(SchemaVariant::Dialect3Date, SchemaVariant::Dialect3Timestamp,
                                           SchemaVariant::Dialect1));

TEST(VisitQuery, EndDayEntriesCountOnlyWithoutATimeOfDay)
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("A"), 1}};
    data.transactions = {{QStringLiteral("99213"), at(2010, 12, 31), 1, 1, {}, {}},
                         {QStringLiteral("99213"), at(2010, 12, 31, 10, 15), 1, 1, {}, {}}};
    const struct { SchemaVariant variant; qint32 counted; } cases[] = {
        {SchemaVariant::Dialect3Date, 2}, {SchemaVariant::Dialect3Timestamp, 1}, {SchemaVariant::Dialect1, 1}};
    for (const auto &c : cases) {
        PracticeFixture fixture(QStringLiteral("endday"), data, {c.variant});
        DatabaseConnection connection;
        connection.setDatabaseName(fixture.tcpName());
        VisitQuery query(connection);
        refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), kUnitedStates);
        ASSERT_EQ(query.rows().size(), 1u);
        EXPECT_EQ(query.rows()[0].totalRender, c.counted);
    }
}

TEST(VisitQuery, RowsInServerOrderWithSharesAndNamesCut)
{
    PracticeData data;
    data.providers = {{30, QStringLiteral("Zeta"), 1}, {10, QString(48, u'N'), 1}, {20, QStringLiteral("Alpha"), 1}};
    data.carriers = {{QStringLiteral("M"), QStringLiteral("MC")}};
    for (int i = 0; i < 3; ++i)
        data.transactions.push_back({QStringLiteral("99213"), at(2010, 11, 1), 10, 20,
                                     i == 0 ? std::optional<QString>(QStringLiteral("M")) : std::nullopt, {}});
    PracticeFixture fixture(QStringLiteral("order"), data, {SchemaVariant::Dialect3Date, QStringLiteral("WIN1252"), 60});
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    VisitQuery query(connection);
    refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), kUnitedStates);

    QStringList serverOrder = isqlQuery(fixture.tcpName(), QStringLiteral("select addr_id from drlabel where typeprovider>0"));
    ASSERT_EQ(query.rows().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(QString::number(query.rows()[i].addrId), serverOrder.value(static_cast<qsizetype>(i)));
    const VisitRow &billing = query.rows()[1];
    EXPECT_EQ(billing.sigName, QString(40, u'N'));
    EXPECT_EQ(billing.totalBilled, 3);
    EXPECT_DOUBLE_EQ(billing.pctBilled, 100.0 / 3.0);
    EXPECT_EQ(billing.totalRender, 0);
    EXPECT_EQ(billing.pctRender, 0.0);
}

TEST(VisitQuery, FailuresLeaveTheResultClosed)
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("A"), 1}};
    data.transactions = {{QStringLiteral("99213"), at(2010, 11, 1), 1, 1, {}, {}}};
    PracticeFixture fixture(QStringLiteral("failure"), data);
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    VisitQuery query(connection);
    int resumed = 0, defaultPointer = 0;
    RefreshHooks hooks;
    hooks.resumeView = [&] { ++resumed; };
    hooks.showDefaultPointer = [&] { ++defaultPointer; };

    refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), kUnitedStates, hooks);
    EXPECT_EQ(query.rows().size(), 1u);
    EXPECT_FALSE(connection.hasTransaction()); // ended once every row is read
    for (const char *bad : {"31/31/2010", "garbage", "12:30"}) {
        try {
            refreshResults(query, QString::fromLatin1(bad), QStringLiteral("12/31/2010"), kUnitedStates, hooks);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const BresolanError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid date and time").arg(QString::fromLatin1(bad)));
        }
        EXPECT_FALSE(query.isOpen());
        EXPECT_TRUE(query.rows().empty());
    }
    EXPECT_EQ(resumed, 4);
    EXPECT_EQ(defaultPointer, 4);
    refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), kUnitedStates, hooks);
    EXPECT_EQ(query.rows().size(), 1u);
    EXPECT_EQ(connection.preparedStatements().size(), 1);
}

TEST(VisitQuery, StatementAndFields)
{
    const QStringList lines = VisitQuery::statementText().split(u'\n');
    ASSERT_EQ(lines.size(), 27);
    for (int empty : {6, 13, 18, 25})
        EXPECT_TRUE(lines[empty - 1].isEmpty()) << empty;
    EXPECT_TRUE(lines[10].startsWith(" or (archive_transactions.ins_carrier_code_other in"));
    EXPECT_TRUE(lines[22].startsWith(" or ("));
    EXPECT_EQ(lines[26], "where drlabel.typeprovider>0");
    EXPECT_EQ(VisitQuery::statementText().count(":sdate"), 4);
    EXPECT_EQ(VisitQuery::statementText().count(":edate"), 4);
    EXPECT_EQ(lines[3].count(u','), 18 + 0); // the 19 codes

    const auto &fields = VisitQuery::fields();
    ASSERT_EQ(fields.size(), 8u);
    const char *names[] = {"ADDR_ID", "SIGNAME", "TOTAL_BILLED", "MC_BILLED", "PCT_BILLED", "TOTAL_RENDER", "MC_RENDER", "PCT_RENDER"};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_STREQ(fields[i].name, names[i]);
    EXPECT_STREQ(fields[3].displayLabel, "Medicaid Billed");
    EXPECT_EQ(fields[1].size, 40);
    EXPECT_TRUE(fields[2].readOnly && fields[3].readOnly && fields[5].readOnly && fields[6].readOnly);
    EXPECT_FALSE(fields[0].readOnly || fields[1].readOnly);
}

} // namespace
