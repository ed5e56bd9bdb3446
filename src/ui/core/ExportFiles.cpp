#include "ExportFiles.h"

#include "BresolanError.h"
#include "CsvWriter.h"
#include "GridWorkbook.h"
#include "WorkbookFile.h"
#include "WriteError.h"

#include <filesystem>
#include <string>

namespace {

std::filesystem::path filesystemPath(const QString &path)
{
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t *>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

} // namespace

void exportWorkbook(const GridSnapshot &snapshot, const QString &path)
{
    const xls::Sheet sheet = gridWorksheet(snapshot, workbookSheetName(path));
    try {
        xls::writeWorkbook(sheet, filesystemPath(path));
    } catch (const xls::WriteError &) {
        throw BresolanError(QStringLiteral("Can't create the export output file"));
    } catch (const std::filesystem::filesystem_error &) {
        throw BresolanError(QStringLiteral("Can't create the export output file"));
    }
}

void exportCsv(const GridSnapshot &snapshot, const QString &path)
{
    writeCsvFile(csvBytes(snapshot), path);
}
