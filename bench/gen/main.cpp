// gen: builds (or finds already built) a benchmark practice database and prints where it is.
//
//   gen --rows N --providers P [--folder DIR] [--rebuild]
//
// The database is DIR/rN-pP/medical.gdb (DIR defaults to /var/tmp/bresolan-bench), built through
// the embedded engine and then handed to the user the server runs as. A side file medical.gdb.done
// is written only after a successful build; a database without it is built again.
#include "Isc.h"
#include "PracticeLoader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <pwd.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Changes whenever the shape of the generated data changes, so that old caches are rebuilt.
constexpr const char *kShapeVersion = "bresolan-bench practice 1";

struct Options
{
    long long rows = -1;
    int providers = 60;
    std::string folder = "/var/tmp/bresolan-bench";
    bool rebuild = false;
};

[[noreturn]] void usage(const char *problem)
{
    std::fprintf(stderr, "gen: %s\nusage: gen --rows N --providers P [--folder DIR] [--rebuild]\n", problem);
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage((option + " needs a value").c_str());
            return argv[++i];
        };
        const auto number = [&]() -> long long {
            const std::string text = value();
            char *end = nullptr;
            const long long n = std::strtoll(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0')
                usage((option + " needs a whole number").c_str());
            return n;
        };
        if (option == "--rows")
            options.rows = number();
        else if (option == "--providers")
            options.providers = static_cast<int>(std::min(number(), 1000000LL));
        else if (option == "--folder")
            options.folder = value();
        else if (option == "--rebuild")
            options.rebuild = true;
        else
            usage(("unknown option " + option).c_str());
    }
    if (options.rows < 1 || options.providers < 1)
        usage("--rows and --providers must be positive");
    if (options.rows > 2000000000)
        usage("--rows: transaction ids are 32-bit integers");
    return options;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The server runs as "firebird": it must own the file to open it for writing.
void handToServer(const fs::path &path)
{
    if (::geteuid() != 0)
        return;
    const passwd *user = ::getpwnam("firebird");
    if (!user)
        throw std::runtime_error("there is no user 'firebird' (is firebird3.0-server installed?)");
    if (::chown(path.c_str(), user->pw_uid, user->pw_gid) != 0)
        throw std::runtime_error("chown " + path.string() + ": " + std::strerror(errno));
}

// The embedded engine keeps its lock files in a folder of its own, not in the server's: created
// by this process (root, as a rule), the server's folder would lock the server out. The
// generator only ever opens files that no server has open.
void useOwnLockFolder(const fs::path &top)
{
    const fs::path locks = top / ".gen-locks";
    fs::create_directories(locks);
    ::setenv("FIREBIRD_LOCK", locks.c_str(), 1);
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    const fs::path top = options.folder;
    const fs::path folder = top / ("r" + std::to_string(options.rows) + "-p" + std::to_string(options.providers));
    const fs::path database = folder / "medical.gdb";
    const fs::path done = folder / "medical.gdb.done";
    std::ostringstream recipe;
    recipe << kShapeVersion << " rows=" << options.rows << " providers=" << options.providers << "\n";

    try {
        fs::create_directories(folder);
        fs::permissions(top, fs::perms::all | fs::perms::sticky_bit);
        useOwnLockFolder(top);
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                    | fs::perms::others_read | fs::perms::others_exec);

        const std::string marker = readFile(done);
        if (!options.rebuild && fs::exists(database) && marker.rfind(recipe.str(), 0) == 0) {
            std::cout << "database=" << database.string() << "\ncached=yes\n" << marker.substr(recipe.str().size());
            return 0;
        }
        fs::remove(done);
        fs::remove(database);

        const auto start = std::chrono::steady_clock::now();
        const gen::LoadTimes times = gen::buildPracticeDatabase(database.string(), options.providers, options.rows);
        const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        handToServer(database);

        std::ostringstream figures;
        figures.setf(std::ios::fixed);
        figures.precision(2);
        figures << "build_seconds=" << total << "\nrows_seconds=" << times.rowsSeconds
                << "\nindex_seconds=" << times.indexSeconds << "\nbuild_size_mb=" << fs::file_size(database) / 1048576
                << "\n";
        std::ofstream(done) << recipe.str() << figures.str();
        std::cout << "database=" << database.string() << "\ncached=no\n" << figures.str();
        return 0;
    } catch (const std::exception &e) {
        std::error_code ignored;
        fs::remove(database, ignored);
        std::fprintf(stderr, "gen: %s\n", e.what());
        return 1;
    }
}
