#pragma once
// Runs the Python readers beside these tests (xlrd, olefile) and collects what they print.

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include <stdlib.h>
#include <sys/wait.h>

namespace xls::test {

struct CommandResult
{
    int exitCode = -1;
    std::string output;   // stdout and stderr together
};

inline std::string shellQuote(const std::string &text)
{
    std::string quoted = "'";
    for (char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

inline CommandResult runCommand(const std::string &command)
{
    CommandResult result;
    struct PipeCloser
    {
        int *status;
        void operator()(std::FILE *pipe) const { *status = pclose(pipe); }
    };
    int status = -1;
    {
        std::unique_ptr<std::FILE, PipeCloser> pipe(popen((command + " 2>&1").c_str(), "r"), PipeCloser{&status});
        if (!pipe)
            return result;
        std::array<char, 4096> buffer;
        std::size_t got;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
            result.output.append(buffer.data(), got);
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string scriptPath(const std::string &name)
{
    return std::string(BRESOLAN_SOURCE_DIR) + "/tests/xls/" + name;
}

// Runs one of the scripts here with the Python that has xlrd and olefile.
inline CommandResult runReader(const std::string &script, const std::string &arguments)
{
    return runCommand(shellQuote(BRESOLAN_TEST_PYTHON) + " " + shellQuote(scriptPath(script)) + " " + arguments);
}

// "key<TAB>value" lines; a key seen twice keeps the last value.
inline std::map<std::string, std::string> parseKeyValues(const std::string &output)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            values[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return values;
}

// A folder of its own for one test, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bresolan-xls-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace xls::test
