#include "ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "WriteError.h"

namespace xls {

namespace {

namespace fs = std::filesystem;

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string describe(const fs::path &path, const std::string &what, int error)
{
    return what + " " + path.string() + ": " + std::strerror(error);
}

// A freshly created file that is removed again unless kept.
class TemporaryFile
{
public:
    explicit TemporaryFile(const fs::path &folder)
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char name[32];
            std::snprintf(name, sizeof name, ".~xls-%08x.tmp", static_cast<unsigned>(random()));
            m_path = folder / name;
            // "x": create it anew, never open a file that is already there.
#ifdef _WIN32
            m_file.reset(::_wfopen(m_path.c_str(), L"wbx"));
#else
            m_file.reset(std::fopen(m_path.c_str(), "wbx"));
#endif
            if (m_file)
                return;
            if (errno != EEXIST)
                break;
        }
        throw WriteError(describe(folder, "cannot create a temporary file in", errno));
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    ~TemporaryFile()
    {
        m_file.reset();
        if (!m_kept) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
        }
    }

    void write(std::span<const std::uint8_t> bytes)
    {
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size()
            || std::fflush(m_file.get()) != 0)
            throw WriteError(describe(m_path, "cannot write", errno));
#ifndef _WIN32
        if (::fsync(::fileno(m_file.get())) != 0)
            throw WriteError(describe(m_path, "cannot write", errno));
#endif
        // Closing may report a write error of its own.
        if (std::fclose(m_file.release()) != 0)
            throw WriteError(describe(m_path, "cannot write", errno));
    }

    void renameTo(const fs::path &target)
    {
        std::error_code error;
        fs::rename(m_path, target, error);
        if (error)
            throw WriteError("cannot replace " + target.string() + ": " + error.message());
        m_kept = true;
    }

private:
    fs::path m_path;
    FileHandle m_file;
    bool m_kept = false;
};

} // namespace

void replaceFile(const fs::path &target, std::span<const std::uint8_t> bytes)
{
    if (target.empty() || !target.has_filename())
        throw WriteError("no file name given: " + target.string());
    // A target that cannot be replaced (a folder, say) is found by the rename at the end,
    // which then leaves it as it was.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    TemporaryFile temporary(folder);
    temporary.write(bytes);
    temporary.renameTo(target);
}

} // namespace xls
