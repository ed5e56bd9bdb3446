#pragma once
// Appends records (id, length, data) to the workbook stream, and builds records whose
// contents run on in CONTINUE records.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ByteBuffer.h"
#include "Record.h"

namespace xls {

inline constexpr std::uint16_t kContinueRecordId = 0x003C;

class RecordWriter
{
public:
    // Throws std::length_error for data longer than kMaxRecordData.
    void write(std::uint16_t id, std::span<const std::uint8_t> data);
    void write(const Record &record) { write(record.id, record.data); }
    void write(const std::vector<Record> &records);

    // Stream offset at which the next record starts.
    std::size_t offset() const { return m_stream.size(); }
    void patchU32(std::size_t at, std::uint32_t value) { m_stream.patchU32(at, value); }
    std::vector<std::uint8_t> take() { return m_stream.take(); }

private:
    ByteBuffer m_stream;
};

// A record that may be longer than one record allows. The caller writes into body() as long
// as room() allows and calls continueHere() where its format permits a break; every break
// starts a CONTINUE record.
class ContinuedRecord
{
public:
    explicit ContinuedRecord(std::uint16_t id) : m_id(id) {}

    ByteBuffer &body() { return m_current; }
    std::size_t room() const { return kMaxRecordData - m_current.size(); }
    void continueHere();

    // Where the next byte lands, counted from the header of the first record.
    std::size_t position() const { return m_finishedSize + kRecordHeaderSize + m_current.size(); }
    // Where the next byte lands, counted from the header of the record being filled.
    std::size_t positionInRecord() const { return kRecordHeaderSize + m_current.size(); }

    std::vector<Record> finish();

private:
    std::uint16_t m_id;
    ByteBuffer m_current;
    std::vector<Record> m_done;
    std::size_t m_finishedSize = 0;
};

} // namespace xls
