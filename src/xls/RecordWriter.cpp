#include "RecordWriter.h"

#include <stdexcept>
#include <string>

namespace xls {

void RecordWriter::write(std::uint16_t id, std::span<const std::uint8_t> data)
{
    if (data.size() > kMaxRecordData)
        throw std::length_error("BIFF record " + std::to_string(id) + " holds "
                                + std::to_string(data.size()) + " data bytes, more than a record may");
    m_stream.u16(id);
    m_stream.u16(static_cast<std::uint16_t>(data.size()));
    m_stream.bytes(data);
}

void RecordWriter::write(const std::vector<Record> &records)
{
    for (const Record &record : records)
        write(record);
}

void ContinuedRecord::continueHere()
{
    const std::uint16_t id = m_done.empty() ? m_id : kContinueRecordId;
    m_finishedSize += kRecordHeaderSize + m_current.size();
    m_done.push_back(Record{id, m_current.take()});
    m_current = ByteBuffer{};
}

std::vector<Record> ContinuedRecord::finish()
{
    continueHere();
    return std::move(m_done);
}

} // namespace xls
