#pragma once
// An XSQLDA with its own buffers: the description of a statement's parameters or columns and
// the memory their values travel in.

#include <ibase.h>

#include <cstdlib>
#include <memory>
#include <vector>

class SqlDescriptor
{
public:
    explicit SqlDescriptor(short capacity = 1);

    XSQLDA *get() { return m_area.get(); }
    const XSQLDA *get() const { return m_area.get(); }
    short count() const { return m_area->sqld; }
    bool fitsDescription() const { return m_area->sqld <= m_area->sqln; }

    XSQLVAR &at(int index) { return m_area->sqlvar[index]; }
    const XSQLVAR &at(int index) const { return m_area->sqlvar[index]; }

    // Gives every described variable a buffer of its size and a null indicator.
    void allocateBuffers();

private:
    struct FreeArea { void operator()(XSQLDA *area) const { std::free(area); } };
    std::unique_ptr<XSQLDA, FreeArea> m_area;
    std::vector<std::vector<char>> m_buffers;
    std::vector<short> m_indicators;
};
