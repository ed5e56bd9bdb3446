#include "VisitQuery.h"

#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "DateText.h"
#include "MedicaidShare.h"

#include <QRegularExpression>

namespace {

constexpr int kSigNameLength = 40;

const QStringList &statementLines()
{
    static const QString codes = QStringLiteral(
        "('99201','99202','99203','99204','99205','99212','99213','99214','99215','99381','99382','99383',"
        "'99384','99385','99391','99392','99393','99394','99395')");
    static const QString medicaid = QStringLiteral(
        "(select ins_carrier.ins_carrier_code from ins_carrier where ins_carrier.claim_filing_code='MC')");
    static const QStringList lines = {
        QStringLiteral("select drlabel.addr_id, drlabel.signame,"),
        QStringLiteral("(select count(archive_transactions.cptcode) from archive_transactions"),
        QStringLiteral("where (archive_transactions.date1 between :sdate and :edate)"),
        QStringLiteral("and (archive_transactions.cptcode in ") + codes + u')',
        QStringLiteral("and (archive_transactions.p_addr_id=drlabel.addr_id)) as TOTAL_BILLED,"),
        QString(),
        QStringLiteral("(select count(archive_transactions.cptcode) from archive_transactions"),
        QStringLiteral("where (archive_transactions.date1 between :sdate and :edate)"),
        QStringLiteral("and (archive_transactions.cptcode in ") + codes + u')',
        QStringLiteral("and ((archive_transactions.ins_carrier_code in ") + medicaid + u')',
        QStringLiteral(" or (archive_transactions.ins_carrier_code_other in ") + medicaid + QStringLiteral("))"),
        QStringLiteral("and (archive_transactions.p_addr_id=drlabel.addr_id)) as MC_BILLED,"),
        QString(),
        QStringLiteral("(select count(archive_transactions.cptcode) from archive_transactions"),
        QStringLiteral("where (archive_transactions.date1 between :sdate and :edate)"),
        QStringLiteral("and (archive_transactions.cptcode in ") + codes + u')',
        QStringLiteral("and (archive_transactions.rend_addr_id=drlabel.addr_id)) as TOTAL_RENDER,"),
        QString(),
        QStringLiteral("(select count(archive_transactions.cptcode) from archive_transactions"),
        QStringLiteral("where (archive_transactions.date1 between :sdate and :edate)"),
        QStringLiteral("and (archive_transactions.cptcode in ") + codes + u')',
        QStringLiteral("and ((archive_transactions.ins_carrier_code in ") + medicaid + u')',
        QStringLiteral(" or (archive_transactions.ins_carrier_code_other in ") + medicaid + QStringLiteral("))"),
        QStringLiteral("and (archive_transactions.rend_addr_id=drlabel.addr_id)) as MC_RENDER"),
        QString(),
        QStringLiteral("from drlabel"),
        QStringLiteral("where drlabel.typeprovider>0"),
    };
    return lines;
}

// The statement with each ":name" marker replaced by "?", and the names in marker order.
QString positionalStatement(std::vector<QString> &names)
{
    static const QRegularExpression marker(QStringLiteral(":(sdate|edate)\\b"));
    QString text = VisitQuery::statementText();
    names.clear();
    QString result;
    qsizetype last = 0;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += QStringView(text).mid(last, m.capturedStart() - last);
        result += u'?';
        names.push_back(m.captured(1));
        last = m.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result;
}

int slotOf(const QString &name)
{
    if (name.compare(QLatin1String("sdate"), Qt::CaseInsensitive) == 0)
        return 0;
    if (name.compare(QLatin1String("edate"), Qt::CaseInsensitive) == 0)
        return 1;
    throw BresolanError(QStringLiteral("Field %1 not found").arg(name));
}

} // namespace

const QString &VisitQuery::statementText()
{
    static const QString text = statementLines().join(u'\n');
    return text;
}

const std::vector<VisitField> &VisitQuery::fields()
{
    static const std::vector<VisitField> list = {
        {"ADDR_ID", "qryATADDR_ID", "Integer", 0, false, false, "Prov ID"},
        {"SIGNAME", "qryATSIGNAME", "String", kSigNameLength, false, false, "Provider Name"},
        {"TOTAL_BILLED", "qryATTOTAL_BILLED", "Integer", 0, true, false, "Total Billed"},
        {"MC_BILLED", "qryATMC_BILLED", "Integer", 0, true, false, "Medicaid Billed"},
        {"PCT_BILLED", "qryATPCT_BILLED", "Float", 0, false, true, ""},
        {"TOTAL_RENDER", "qryATTOTAL_RENDER", "Integer", 0, true, false, "Total Rendered"},
        {"MC_RENDER", "qryATMC_RENDER", "Integer", 0, true, false, "Medicaid Rendered"},
        {"PCT_RENDER", "qryATPCT_RENDER", "Float", 0, false, true, ""},
    };
    return list;
}

VisitQuery::VisitQuery(DatabaseConnection &connection)
    : m_connection(connection), m_statement(connection, positionalStatement(m_markerNames))
{
}

void VisitQuery::close()
{
    m_rows.clear();
    m_open = false;
    m_statement.closeCursor();
}

void VisitQuery::setParameterText(const QString &name, const QString &text, const QLocale &locale)
{
    const int slot = slotOf(name);
    m_statement.prepare();
    m_values[slot] = parseDateText(text, locale);
}

void VisitQuery::open()
{
    if (m_open)
        return;
    m_statement.prepare();
    for (int position = 0; position < m_statement.parameterCount(); ++position) {
        const std::size_t p = static_cast<std::size_t>(position);
        const QString &name = p < m_markerNames.size() ? m_markerNames[p] : QString();
        m_statement.setDateTimeParameter(position, m_values[slotOf(name)]);
    }
    m_statement.execute();
    std::vector<VisitRow> rows;
    while (m_statement.fetch()) {
        VisitRow row;
        row.addrId = static_cast<qint32>(m_statement.integerValue(0));
        row.sigName = m_statement.textValue(1).left(kSigNameLength);
        row.totalBilled = static_cast<qint32>(m_statement.integerValue(2));
        row.mcBilled = static_cast<qint32>(m_statement.integerValue(3));
        row.totalRender = static_cast<qint32>(m_statement.integerValue(4));
        row.mcRender = static_cast<qint32>(m_statement.integerValue(5));
        qryATCalcFields(row);
        rows.push_back(std::move(row));
    }
    m_connection.commitDefaultTransaction();
    m_rows = std::move(rows);
    m_open = true;
}
