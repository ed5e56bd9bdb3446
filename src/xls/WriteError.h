#pragma once
// Failure to put the workbook file on disk. The caller turns it into the user's message.

#include <stdexcept>
#include <string>

namespace xls {

class WriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace xls
