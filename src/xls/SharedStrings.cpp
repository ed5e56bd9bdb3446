#include "SharedStrings.h"

#include <algorithm>

#include "Sheet.h"
#include "Utf16.h"
#include "XlString.h"

namespace xls {

namespace {

constexpr std::uint16_t kSstId = 0x00FC;
constexpr std::uint16_t kExtSstId = 0x00FF;
constexpr std::size_t kStringHeaderSize = 3;   // character count u16, option byte
constexpr std::uint32_t kMaxBuckets = 128;

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// Where a bucket's first string starts, for EXTSST.
struct BucketStart
{
    std::uint32_t streamOffset;
    std::uint16_t offsetInRecord;
};

std::size_t characterSize(std::uint8_t option) { return option == kOneByteCharacters ? 1 : 2; }

// A string's header never ends a record: it starts where it fits together with its first
// character (both halves of a surrogate pair).
void makeRoomForOpening(ContinuedRecord &sst, std::u16string_view text)
{
    std::size_t firstUnits = 0;
    if (!text.empty())
        firstUnits = (isHighSurrogate(text[0]) && text.size() > 1) ? 2 : 1;
    if (sst.room() < kStringHeaderSize + firstUnits * characterSize(characterOption(text)))
        sst.continueHere();
}

// Appends one string. Where its characters run over into a CONTINUE record, that record
// starts with the option byte again; neither a character nor a surrogate pair is split.
void appendSplittable(ContinuedRecord &sst, std::u16string_view text)
{
    makeRoomForOpening(sst, text);
    const std::uint8_t option = characterOption(text);
    const std::size_t charSize = characterSize(option);

    sst.body().u16(static_cast<std::uint16_t>(text.size()));
    sst.body().u8(option);

    std::size_t done = 0;
    while (done < text.size()) {
        std::size_t take = std::min(sst.room() / charSize, text.size() - done);
        if (take > 0 && done + take < text.size() && isHighSurrogate(text[done + take - 1]))
            --take;   // keep the pair together
        if (take == 0) {
            sst.continueHere();
            sst.body().u8(option);
            continue;
        }
        appendCharacters(sst.body(), text.substr(done, take), option);
        done += take;
    }
}

} // namespace

std::uint32_t SharedStrings::add(std::u16string_view text)
{
    ++m_totalCount;
    std::u16string key(truncateUtf16(text, kMaxTextUnits));
    if (const auto found = m_indexOf.find(key); found != m_indexOf.end())
        return found->second;
    const auto index = static_cast<std::uint32_t>(m_strings.size());
    m_strings.push_back(key);
    m_indexOf.emplace(std::move(key), index);
    return index;
}

void SharedStrings::writeTo(RecordWriter &out) const
{
    const std::uint32_t unique = uniqueCount();
    const std::uint32_t perBucket = std::max<std::uint32_t>(8, (unique + kMaxBuckets - 1) / kMaxBuckets);
    const std::size_t base = out.offset();

    ContinuedRecord sst(kSstId);
    sst.body().u32(m_totalCount);
    sst.body().u32(unique);

    std::vector<BucketStart> buckets;
    for (std::uint32_t i = 0; i < unique; ++i) {
        std::u16string_view text = m_strings[i];
        if (i % perBucket == 0) {
            makeRoomForOpening(sst, text);
            buckets.push_back({static_cast<std::uint32_t>(base + sst.position()),
                               static_cast<std::uint16_t>(sst.positionInRecord())});
        }
        appendSplittable(sst, text);
    }
    out.write(sst.finish());

    ByteBuffer ext;
    ext.u16(static_cast<std::uint16_t>(perBucket));
    for (const BucketStart &bucket : buckets) {
        ext.u32(bucket.streamOffset);
        ext.u16(bucket.offsetInRecord);
        ext.u16(0);
    }
    out.write(kExtSstId, ext.data());
}

} // namespace xls
