#pragma once
// The benchmark practice: the demo practice's shape at any size. Listed providers (mostly
// typeprovider 1, some 2) plus one unlisted provider (typeprovider 0, -1 or empty) per twenty;
// the demo's Medicaid and other carriers; archived transactions in date order over the weekdays
// of January 2010 to January 2011, 78 % of them one of the 19 visit codes, some billed under a
// supervising provider and rendered by another. Everything follows from a fixed seed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gen {

struct Provider
{
    int addrId;
    std::string sigName;             // Windows-1252 bytes, at most 40
    std::optional<int> typeProvider; // empty: NULL
    double medicaidRate;             // share of the provider's patients on Medicaid
    int weight;                      // relative number of visits rendered
    int billedBy;                    // addr_id the provider's visits are billed under
};

struct Carrier
{
    const char *code;
    const char *claimFilingCode;
};

struct ArchiveRow
{
    int transactionId;
    const char *cptCode;
    int dayNumber;          // days since 17 November 1858 (the DATE encoding)
    int billedBy;
    int renderedBy;
    const char *carrier;    // null: NULL
    const char *carrierOther;
};

std::vector<Provider> practiceProviders(int listedProviders);
const std::vector<Carrier> &practiceCarriers();

// Produces the transactions one by one, in date order.
class TransactionStream
{
public:
    TransactionStream(const std::vector<Provider> &providers, std::int64_t totalRows);
    ArchiveRow next();

private:
    std::uint64_t random();
    double uniform() { return static_cast<double>(random() >> 11) * 0x1.0p-53; }
    const Provider &pickRenderer();

    const std::vector<Provider> &m_providers;
    std::vector<int> m_cumulativeWeights;
    std::vector<int> m_weekdays; // the day numbers of the weekdays in the span
    std::int64_t m_total;
    std::int64_t m_produced = 0;
    std::uint64_t m_state = 2010;
};

} // namespace gen
