#include "program_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "density/reduction_table.h"

namespace places {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSettingsFile = "settings.ini";
// The mark holds one folder path; anything longer is not the install's mark.
constexpr std::size_t kMarkLimit = 4096;

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A folder from an XDG variable when it holds an absolute path, otherwise
// the default under the home folder.
fs::path xdgFolder(const std::string& value, const std::string& home, const char* fallback)
{
    if (!value.empty() && fs::path(value).is_absolute())
        return value;
    return fs::path(home) / fallback;
}

bool sameFolder(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

// Installed when the mark is a regular file naming this folder: a copy of an
// installed folder carries the mark along but names the folder it came from.
bool markedInstalled(const fs::path& programFolder)
{
    const fs::path mark = programFolder / VANTOREL_INSTALLED_MARKER;
    std::error_code ec;
    if (!fs::is_regular_file(mark, ec) || fs::file_size(mark, ec) > kMarkLimit || ec)
        return false;
    std::ifstream in(mark);
    std::string named;
    if (!std::getline(in, named) || named.empty())
        return false;
    return sameFolder(named, programFolder);
}

}  // namespace

Environment Environment::current()
{
    Environment e{variable("XDG_CONFIG_HOME"), variable("XDG_DATA_HOME"), variable("HOME")};
    if (e.home.empty())
        if (const passwd* account = getpwuid(getuid()))
            e.home = account->pw_dir;
    return e;
}

Places portable(const fs::path& programFolder)
{
    return {programFolder, CopyKind::Portable, programFolder, programFolder};
}

Places placesOf(const fs::path& programFolder, const Environment& environment)
{
    if (!markedInstalled(programFolder))
        return portable(programFolder);
    return {programFolder, CopyKind::Installed,
            xdgFolder(environment.xdgConfigHome, environment.home, ".config") / "vantorel",
            xdgFolder(environment.xdgDataHome, environment.home, ".local/share") / "vantorel"};
}

fs::path executableFolder(const char* argv0)
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        exe = fs::weakly_canonical(fs::absolute(argv0, ec), ec);
    return exe.parent_path();
}

fs::path shippedTable(const Places& places)
{
    return places.programFolder / density::kTableFileName;
}

fs::path usersTable(const Places& places)
{
    return places.dataFolder / density::kTableFileName;
}

TableChoice tableToRead(const Places& places)
{
    std::error_code ec;
    if (places.kind == CopyKind::Installed && fs::exists(usersTable(places), ec))
        return {usersTable(places), TableSource::Users};
    return {shippedTable(places), TableSource::Shipped};
}

SettingsFiles settingsFiles(const Places& places)
{
    const fs::path beside = places.programFolder / kSettingsFile;
    const fs::path own = places.configFolder / kSettingsFile;
    std::error_code ec;
    if (places.kind == CopyKind::Installed && !fs::exists(own, ec))
        return {beside, own};
    return {own, own};
}

}  // namespace places
