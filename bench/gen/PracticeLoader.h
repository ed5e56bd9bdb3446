#pragma once
// Builds one benchmark practice database through the embedded engine: the schema of the demo
// practice, the rows of PracticeShape loaded through one prepared INSERT each with a commit
// every few thousand rows, and the indexes created after loading.

#include <cstdint>
#include <string>

namespace gen {

struct LoadTimes
{
    double schemaSeconds = 0;
    double rowsSeconds = 0;
    double indexSeconds = 0;
};

// `path` is a plain local path that does not exist yet. Throws IscError on any failure.
LoadTimes buildPracticeDatabase(const std::string &path, int listedProviders, std::int64_t rows);

} // namespace gen
