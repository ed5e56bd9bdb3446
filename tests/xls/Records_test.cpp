// Record bytes as the format lays them out, written out by hand from the record layouts.

#include <gtest/gtest.h>

#include "GlobalsRecords.h"
#include "RecordWalker.h"
#include "RecordWriter.h"
#include "SharedStrings.h"
#include "SheetRecords.h"
#include "WorkbookStream.h"

namespace xls {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes written(const Record &record)
{
    RecordWriter out;
    out.write(record);
    return out.take();
}

TEST(RecordBytes, MatchTheLayouts)
{
    FontSpec font{u"Arial", 165, true, false, false, false, 8};
    XfSpec xf;
    xf.fontIndex = 5;
    xf.align = HAlign::Centre;
    xf.borderLeft = xf.borderRight = xf.borderTop = xf.borderBottom = true;
    xf.borderColourIndex = 0x17;
    xf.fillColourIndex = 0x1D;
    XfSpec plainXf;
    plainXf.fontIndex = 6;
    plainXf.align = HAlign::Right;
    const std::uint16_t blanks[] = {16, 17, 16};

    struct Case { const char *what; Record record; Bytes bytes; };
    const Case cases[] = {
        {"BOF globals", bofRecord(Substream::Globals),
         {0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x05, 0x00, 0xBB, 0x0D, 0xCC, 0x07, 0, 0, 0, 0, 0x06, 0, 0, 0}},
        {"BOF worksheet", bofRecord(Substream::Worksheet),
         {0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x10, 0x00, 0xBB, 0x0D, 0xCC, 0x07, 0, 0, 0, 0, 0x06, 0, 0, 0}},
        {"FONT bold 8.25pt", fontRecord(font),
         {0x31, 0x00, 0x15, 0x00, 0xA5, 0x00, 0x01, 0x00, 0x08, 0x00, 0xBC, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x05, 0x00, 'A', 'r', 'i', 'a', 'l'}},
        {"XF borders and fill", cellXfRecord(xf),
         {0xE0, 0x00, 0x14, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x22, 0x00, 0x00, 0xF8,
          0x11, 0x11, 0x97, 0x0B, 0x97, 0x0B, 0x00, 0x04, 0x9D, 0x20}},
        {"XF plain", cellXfRecord(plainXf),
         {0xE0, 0x00, 0x14, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x23, 0x00, 0x00, 0xF8,
          0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0x20}},
        {"LABELSST", labelSstRecord(3, 2, 17, 70000),
         {0xFD, 0x00, 0x0A, 0x00, 0x03, 0x00, 0x02, 0x00, 0x11, 0x00, 0x70, 0x11, 0x01, 0x00}},
        {"NUMBER", numberRecord(3, 2, 16, 120.0),
         {0x03, 0x02, 0x0E, 0x00, 0x03, 0x00, 0x02, 0x00, 0x10, 0x00, 0, 0, 0, 0, 0, 0, 0x5E, 0x40}},
        {"MULBLANK", mulBlankRecord(4, 1, blanks),
         {0xBE, 0x00, 0x0C, 0x00, 0x04, 0x00, 0x01, 0x00, 0x10, 0x00, 0x11, 0x00, 0x10, 0x00, 0x03, 0x00}},
        {"BOUNDSHEET UTF-16 name", boundSheetRecord(0x01020304, u"Ω1"),
         {0x85, 0x00, 0x0C, 0x00, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x02, 0x01, 0xA9, 0x03, 0x31, 0x00}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(written(c.record), c.bytes) << c.what;
}

TEST(RecordBytes, RecordLongerThanTheLimitIsRefused)
{
    RecordWriter out;
    EXPECT_NO_THROW(out.write(0x00FC, Bytes(kMaxRecordData)));
    EXPECT_THROW(out.write(0x00FC, Bytes(kMaxRecordData + 1)), std::length_error);
}

TEST(RecordBytes, BoundSheetPointsAtTheWorksheetBof)
{
    Sheet sheet;
    sheet.name = "Näme";
    sheet.rows = {{Cell::makeText("a"), Cell::makeNumber(1)}};
    const Bytes stream = buildWorkbookStream(sheet);
    const WalkResult walk = walkRecords(stream);
    ASSERT_TRUE(walk.ok()) << walk.problem;

    const auto boundSheet = std::find_if(walk.records.begin(), walk.records.end(),
                                         [](const RecordInfo &r) { return r.id == 0x0085; });
    ASSERT_NE(boundSheet, walk.records.end());
    const auto data = recordData(stream, *boundSheet);
    const std::uint32_t offset = data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24;
    // The second BOF of the stream starts the worksheet.
    const auto sheetBof = std::find_if(walk.records.begin() + 1, walk.records.end(),
                                       [](const RecordInfo &r) { return r.id == 0x0809; });
    ASSERT_NE(sheetBof, walk.records.end());
    EXPECT_EQ(offset, sheetBof->offset);
    EXPECT_EQ(stream[offset + 6], 0x10);
    EXPECT_EQ(Bytes(data.begin() + 6, data.end()), (Bytes{4, 0, 'N', 0xE4, 'm', 'e'}));
}

// The SST and CONTINUE records the table writes, as (id, data) pairs; EXTSST left out.
std::vector<Record> sstRecords(const SharedStrings &strings)
{
    RecordWriter out;
    strings.writeTo(out);
    const Bytes stream = out.take();
    std::vector<Record> records;
    for (std::size_t at = 0; at < stream.size();) {
        const std::uint16_t id = stream[at] | stream[at + 1] << 8;
        const std::size_t length = stream[at + 2] | stream[at + 3] << 8;
        if (id != 0x00FF)
            records.push_back(Record{id, Bytes(stream.begin() + at + 4, stream.begin() + at + 4 + length)});
        at += 4 + length;
    }
    return records;
}

TEST(SharedStringTable, SplitsOverContinueRecordsWhereTheFormatAllows)
{
    struct Case
    {
        const char *what;
        std::vector<std::u16string> strings;
        std::size_t sstLength;
        Bytes continueStart;   // first bytes of the CONTINUE record
        std::size_t continueLength;
    };
    const Case cases[] = {
        // One-byte characters run on after a repeated option byte 0x00.
        {"one-byte characters", {std::u16string(9000, u'a')}, 8224, {0x00, 'a', 'a'}, 1 + 787},
        // 4106 two-byte characters fill 8212 bytes; the odd byte left stays unused.
        {"two-byte characters", {std::u16string(5000, u'Ж')}, 8223, {0x01, 0x16, 0x04}, 1 + 894 * 2},
        // Two bytes are left after the first string: the next header moves on whole, with no
        // option byte in front.
        {"header not split", {std::u16string(8211, u'a'), u"xyz"}, 8222, {0x03, 0x00, 0x00, 'x', 'y', 'z'}, 6},
        // The high surrogate would be the last unit of the record: the pair moves on together.
        {"surrogate pair kept whole", {std::u16string(8206, u'a'), u"a\U0001F600b"}, 8222,
         {0x01, 0x3D, 0xD8, 0x00, 0xDE, 0x62, 0x00}, 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SharedStrings strings;
        for (const auto &text : c.strings)
            strings.add(text);
        const auto records = sstRecords(strings);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].id, 0x00FC);
        EXPECT_EQ(records[0].data.size(), c.sstLength);
        EXPECT_EQ(records[1].id, 0x003C);
        EXPECT_EQ(records[1].data.size(), c.continueLength);
        EXPECT_EQ(Bytes(records[1].data.begin(), records[1].data.begin() + c.continueStart.size()), c.continueStart);
    }
}

TEST(SharedStringTable, CountsUsesAndStoresEachTextOnce)
{
    SharedStrings strings;
    EXPECT_EQ(strings.add(u"a"), 0u);
    EXPECT_EQ(strings.add(u"€"), 1u);
    EXPECT_EQ(strings.add(u"a"), 0u);
    EXPECT_EQ(strings.add(u""), 2u);

    RecordWriter out;
    strings.writeTo(out);
    const Bytes stream = out.take();
    const Bytes sst{0xFC, 0x00, 0x14, 0x00, 4, 0, 0, 0, 3, 0, 0, 0,
                    1, 0, 0x00, 'a', 1, 0, 0x01, 0xAC, 0x20, 0, 0, 0x00};
    ASSERT_GE(stream.size(), sst.size());
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + sst.size()), sst);
    // EXTSST: 8 strings a bucket, one bucket whose first string starts right after the counts.
    const Bytes extSst{0xFF, 0x00, 0x0A, 0x00, 8, 0, 12, 0, 0, 0, 12, 0, 0, 0};
    EXPECT_EQ(Bytes(stream.begin() + sst.size(), stream.end()), extSst);
}

} // namespace
} // namespace xls
