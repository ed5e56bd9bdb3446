// The record walker accepts what the writer makes and reports, never crashes on, broken streams.

#include <gtest/gtest.h>

#include "RecordWalker.h"
#include "WorkbookStream.h"

namespace xls {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes smallStream()
{
    Sheet sheet;
    sheet.rows = {{Cell::makeText("Prov ID"), Cell::makeNumber(3)}, {Cell::makeText("12")}};
    return buildWorkbookStream(sheet);
}

void putU16(Bytes &bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::size_t offsetOf(const Bytes &stream, std::uint16_t id)
{
    for (const RecordInfo &record : walkRecords(stream).records)
        if (record.id == id)
            return record.offset;
    ADD_FAILURE() << "no record " << id;
    return 0;
}

TEST(RecordWalker, AcceptsTheWritersStream)
{
    const Bytes stream = smallStream();
    const WalkResult walk = walkRecords(stream);
    EXPECT_TRUE(walk.ok()) << walk.problem;
    ASSERT_FALSE(walk.records.empty());
    EXPECT_EQ(walk.records.front().id, 0x0809);
    EXPECT_EQ(walk.records.back().id, 0x000A);
    EXPECT_EQ(walk.records.back().offset + 4, stream.size());
}

TEST(RecordWalker, ReportsBrokenStreams)
{
    const Bytes sound = smallStream();
    const std::size_t boundSheet = offsetOf(sound, 0x0085);

    struct Case { const char *what; Bytes stream; const char *problem; };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "empty stream"});
    cases.push_back({"cut inside a header", Bytes(sound.begin(), sound.end() - 2), "truncated record header"});

    Bytes longRecord = sound;
    putU16(longRecord, offsetOf(sound, 0x0031) + 2, 0xFFFF);
    cases.push_back({"record over the size limit", longRecord, "longer than a record may be"});

    Bytes pastEnd = sound;
    putU16(pastEnd, pastEnd.size() - 2, 8);   // the final EOF claims data it has not
    cases.push_back({"record past the end", pastEnd, "runs past the end"});

    Bytes wrongOffset = sound;
    wrongOffset[boundSheet + 4] += 4;
    cases.push_back({"BOUNDSHEET off by a record", wrongOffset, "no worksheet BOF"});

    Bytes noSheetEof(sound.begin(), sound.end() - 4);
    cases.push_back({"worksheet without EOF", noSheetEof, "has no EOF"});

    Bytes notBof = sound;
    putU16(notBof, 0, 0x0031);
    cases.push_back({"no BOF first", notBof, "does not start with the BOF"});

    for (const Case &c : cases) {
        const WalkResult walk = walkRecords(c.stream);
        EXPECT_NE(walk.problem.find(c.problem), std::string::npos) << c.what << ": " << walk.problem;
    }
}

TEST(RecordWalker, EveryTruncationIsReportedNotRead)
{
    const Bytes sound = smallStream();
    for (std::size_t length = 0; length < sound.size(); ++length) {
        const Bytes cut(sound.begin(), sound.begin() + length);
        EXPECT_FALSE(walkRecords(cut).ok()) << length;
    }
}

} // namespace
} // namespace xls
