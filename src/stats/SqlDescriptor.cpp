#include "SqlDescriptor.h"

#include <new>

SqlDescriptor::SqlDescriptor(short capacity)
{
    const short size = capacity < 1 ? 1 : capacity;
    m_area.reset(static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(size))));
    if (!m_area)
        throw std::bad_alloc();
    m_area->version = SQLDA_VERSION1;
    m_area->sqln = size;
}

void SqlDescriptor::allocateBuffers()
{
    const int n = count();
    m_buffers.assign(static_cast<std::size_t>(n), {});
    m_indicators.assign(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        XSQLVAR &var = at(i);
        std::size_t size = static_cast<std::size_t>(var.sqllen);
        if ((var.sqltype & ~1) == SQL_VARYING)
            size += sizeof(short);
        // 8-byte alignment for every type: the vectors' storage is suitably aligned.
        m_buffers[static_cast<std::size_t>(i)].assign(size + 8, 0);
        var.sqldata = m_buffers[static_cast<std::size_t>(i)].data();
        var.sqlind = &m_indicators[static_cast<std::size_t>(i)];
    }
}
