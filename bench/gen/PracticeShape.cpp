#include "PracticeShape.h"

#include <algorithm>
#include <array>

namespace gen {

namespace {

constexpr std::array<const char *, 19> kVisitCodes = {"99201", "99202", "99203", "99204", "99205", "99212", "99213",
                                                      "99214", "99215", "99381", "99382", "99383", "99384", "99385",
                                                      "99391", "99392", "99393", "99394", "99395"};
// Codes counted nowhere, among them the ones between 99205 and 99212.
constexpr std::array<const char *, 12> kOtherCodes = {"99206", "99207", "99208", "99209", "99210", "99211",
                                                      "99396", "90658", "36415", "85025", "93000", "81002"};
constexpr std::array<const char *, 3> kMedicaid = {"MCD", "MCDHMO", "CHIP"};
constexpr std::array<const char *, 5> kOthers = {"MCR", "BCBS", "AETNA", "UHC", "SELF"};

constexpr std::array<const char *, 24> kLastNames = {
    "Alvarez", "O'Brien", "Nguyen", "Washington", "Kowalski", "Haddad", "Fitzgerald", "Okafor",
    "Lindqvist", "Moreau", "Patel", "Schmidt", "Yamamoto", "Brennan", "Delgado", "Ivanova",
    "Thompson", "Castillo", "Adeyemi", "Reyes", "M\xfcller", "Sk\xe5ne", "Garc\xed" "a", "Novak"};
constexpr std::array<const char *, 16> kFirstNames = {"Maria", "Kathleen", "Thanh", "Denise", "Peter", "Samir",
                                                      "Anne", "Chinedu", "Erik", "C\xe9line", "Anjali", "J\xfcrgen",
                                                      "Kenji", "Siobhan", "Rosa", "Luis"};
constexpr std::array<const char *, 4> kTitles = {"MD", "DO", "NP", "PA-C"};

// Days since 17 November 1858 of a civil date (proleptic Gregorian).
int dayNumber(int year, int month, int day)
{
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int unixDays = era * 146097 + doe - 719468;
    return unixDays + 40587; // 1 January 1970 is day 40587
}

} // namespace

std::vector<Provider> practiceProviders(int listedProviders)
{
    std::vector<Provider> providers;
    const int unlisted = (listedProviders + 19) / 20;
    for (int i = 0; i < listedProviders + unlisted; ++i) {
        Provider p;
        p.addrId = 101 + i;
        p.sigName = std::string(kLastNames[static_cast<std::size_t>(i) % kLastNames.size()]) + ", "
                    + kFirstNames[static_cast<std::size_t>(i * 7 + i / 24) % kFirstNames.size()] + " "
                    + kTitles[static_cast<std::size_t>(i / 3) % kTitles.size()] + " #" + std::to_string(p.addrId);
        if (i < listedProviders) {
            p.typeProvider = i % 10 == 7 ? 2 : 1;
            p.medicaidRate = 0.02 + static_cast<double>((i * 37) % 44) / 100.0;
            p.weight = 4 + (i * 7) % 7;
            // Every sixth provider's visits are billed under the provider before it.
            p.billedBy = i % 6 == 3 ? p.addrId - 1 : p.addrId;
        } else {
            const int kind = i % 3;
            p.typeProvider = kind == 0 ? std::optional<int>(0) : kind == 1 ? std::optional<int>(-1) : std::nullopt;
            p.medicaidRate = 0.3;
            p.weight = 2;
            p.billedBy = p.addrId;
        }
        providers.push_back(std::move(p));
    }
    return providers;
}

const std::vector<Carrier> &practiceCarriers()
{
    static const std::vector<Carrier> carriers = {{"MCD", "MC"},  {"MCDHMO", "MC"}, {"CHIP", "MC"},  {"MCR", "MB"},
                                                  {"BCBS", "BL"}, {"AETNA", "CI"},  {"UHC", "CI"}, {"SELF", "09"}};
    return carriers;
}

TransactionStream::TransactionStream(const std::vector<Provider> &providers, std::int64_t totalRows)
    : m_providers(providers), m_total(totalRows)
{
    int sum = 0;
    for (const Provider &p : providers)
        m_cumulativeWeights.push_back(sum += p.weight);
    // 1 January 2010 (a Friday) to 31 January 2011.
    const int first = dayNumber(2010, 1, 1);
    const int last = dayNumber(2011, 1, 31);
    for (int day = first; day <= last; ++day) {
        const int weekday = (day + 2) % 7; // 0 = Monday: 17 November 1858 was a Wednesday
        if (weekday < 5)
            m_weekdays.push_back(day);
    }
}

std::uint64_t TransactionStream::random()
{
    // splitmix64
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

const Provider &TransactionStream::pickRenderer()
{
    const int target = static_cast<int>(random() % static_cast<std::uint64_t>(m_cumulativeWeights.back()));
    const auto it = std::upper_bound(m_cumulativeWeights.begin(), m_cumulativeWeights.end(), target);
    return m_providers[static_cast<std::size_t>(it - m_cumulativeWeights.begin())];
}

ArchiveRow TransactionStream::next()
{
    ArchiveRow t{};
    t.transactionId = static_cast<int>(++m_produced);
    const auto dayIndex = static_cast<std::size_t>((m_produced - 1) * static_cast<std::int64_t>(m_weekdays.size()) / m_total);
    t.dayNumber = m_weekdays[std::min(dayIndex, m_weekdays.size() - 1)];

    const Provider &renderer = pickRenderer();
    t.renderedBy = renderer.addrId;
    t.billedBy = renderer.billedBy;
    t.cptCode = uniform() < 0.78 ? kVisitCodes[random() % kVisitCodes.size()] : kOtherCodes[random() % kOtherCodes.size()];

    t.carrier = kOthers[random() % kOthers.size()];
    t.carrierOther = nullptr;
    if (uniform() < renderer.medicaidRate) {
        if (uniform() < 0.15) { // dual eligible: Medicare first, Medicaid second
            t.carrier = "MCR";
            t.carrierOther = kMedicaid[random() % kMedicaid.size()];
        } else {
            t.carrier = kMedicaid[random() % kMedicaid.size()];
            if (uniform() < 0.05)
                t.carrierOther = kMedicaid[random() % kMedicaid.size()];
        }
    } else if (uniform() < 0.1) {
        t.carrierOther = kOthers[random() % kOthers.size()];
    }
    if (uniform() < 0.01)
        t.carrier = nullptr;
    return t;
}

} // namespace gen
