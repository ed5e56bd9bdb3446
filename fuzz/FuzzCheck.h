#pragma once
// What every fuzz target uses to state an expectation: a broken one prints what was expected
// and aborts, so that libFuzzer keeps the input as a crash file.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QString>

namespace fuzz {

[[noreturn]] inline void fail(const char *what, const std::string &detail = {})
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}

inline void check(bool condition, const char *what, const std::string &detail = {})
{
    if (!condition)
        fail(what, detail);
}

inline void check(bool condition, const char *what, const QString &detail)
{
    if (!condition)
        fail(what, detail.toStdString());
}

} // namespace fuzz
