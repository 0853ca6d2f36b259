#pragma once

#include <filesystem>
#include <string>

// Where the program reads and writes its files. A portable copy (a build, or
// the program folder copied anywhere) keeps everything beside the program. An
// installed copy, whose folder holds the install's mark naming that very
// folder, never writes into it: the settings and an edited reduction table
// live in the user's folders, and the user's table is read before the
// shipped one.
namespace places {

enum class CopyKind { Portable, Installed };

// What the user's folders are found from; an empty member is unset.
struct Environment {
    std::string xdgConfigHome;
    std::string xdgDataHome;
    std::string home;  // $HOME, or the home folder of the account

    static Environment current();
};

struct Places {
    std::filesystem::path programFolder;  // the executables, the shipped table, Help/
    CopyKind kind = CopyKind::Portable;
    std::filesystem::path configFolder;  // where settings.ini is written
    std::filesystem::path dataFolder;    // where the editor saves the table
};

// Everything beside the program.
Places portable(const std::filesystem::path& programFolder);
// Portable or installed, as the program folder's mark says.
Places placesOf(const std::filesystem::path& programFolder, const Environment& environment);
// The folder of the running executable (its real path, links followed).
std::filesystem::path executableFolder(const char* argv0);

enum class TableSource { Shipped, Users };

struct TableChoice {
    std::filesystem::path path;
    TableSource source = TableSource::Shipped;
};

// The table shipped in the program folder.
std::filesystem::path shippedTable(const Places& places);
// Where the user's table is saved: beside the program for a portable copy.
std::filesystem::path usersTable(const Places& places);
// The table the calculators read: the user's when an installed copy has one.
TableChoice tableToRead(const Places& places);

struct SettingsFiles {
    std::filesystem::path read;
    std::filesystem::path write;
};

// settings.ini: an installed copy writes the user's and reads it once it
// exists, until then the one in the program folder (defaults an
// administrator may leave there).
SettingsFiles settingsFiles(const Places& places);

}  // namespace places
