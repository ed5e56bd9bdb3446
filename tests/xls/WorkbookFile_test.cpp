// The file appears whole or not at all: a failed write leaves no partial file behind and an
// existing file of the target's name as it was.

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "PythonReader.h"
#include "ReplaceFile.h"
#include "Xls.h"

namespace xls {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

Sheet oneCellSheet(const std::string &text)
{
    Sheet sheet;
    sheet.rows = {{Cell::makeText(text)}};
    return sheet;
}

std::string contents(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<std::string> entries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WorkbookFile, ReplacesAnExistingFileWhole)
{
    ScratchFolder folder;
    const fs::path target = folder.path() / "report.xls";
    std::ofstream(target) << "old contents";

    writeWorkbook(oneCellSheet("new"), target);

    const std::string written = contents(target);
    ASSERT_GE(written.size(), 8u);
    EXPECT_EQ(written.substr(0, 8), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));   // OLE2 signature
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"report.xls"});
}

TEST(WorkbookFile, RelativeTargetIsWrittenInTheCurrentFolder)
{
    ScratchFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    writeWorkbook(oneCellSheet("x"), "plain.xls");
    fs::current_path(previous);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"plain.xls"});
}

TEST(WorkbookFile, FailureThrowsAndLeavesEverythingAsItWas)
{
    ScratchFolder folder;
    const fs::path root = folder.path();
    fs::create_directory(root / "busy.xls");
    std::ofstream(root / "busy.xls" / "inside.txt") << "keep me";
    fs::create_directory(root / "empty.xls");
    std::ofstream(root / "plain-file") << "not a folder";

    struct Case { const char *what; fs::path target; };
    const Case cases[] = {
        {"folder missing", root / "missing" / "report.xls"},
        {"target is a folder with files", root / "busy.xls"},
        {"target is an empty folder", root / "empty.xls"},
        {"parent is a file", root / "plain-file" / "report.xls"},
        {"no file name", fs::path()},
    };
    const auto before = entries(root);
    for (const Case &c : cases) {
        EXPECT_THROW(writeWorkbook(oneCellSheet("x"), c.target), WriteError) << c.what;
        EXPECT_EQ(entries(root), before) << c.what;
    }
    EXPECT_EQ(contents(root / "busy.xls" / "inside.txt"), "keep me");
    EXPECT_EQ(contents(root / "plain-file"), "not a folder");
    EXPECT_TRUE(fs::is_empty(root / "empty.xls"));
}

TEST(WorkbookFile, WriteErrorIsARuntimeError)
{
    ScratchFolder folder;
    try {
        replaceFile(folder.path() / "nowhere" / "x.xls", std::vector<std::uint8_t>{1, 2, 3});
        FAIL() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("nowhere"), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace xls
