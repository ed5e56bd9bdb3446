#include "WorkbookFile.h"

#include "CompoundDocument.h"
#include "ReplaceFile.h"
#include "WorkbookStream.h"

namespace xls {

void writeWorkbook(const Sheet &sheet, const std::filesystem::path &target)
{
    const std::vector<std::uint8_t> document = wrapInCompoundDocument(buildWorkbookStream(sheet));
    replaceFile(target, document);
}

} // namespace xls
