#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "places/program_places.h"

namespace {

namespace fs = std::filesystem;
using places::CopyKind;

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder with a program folder in it, removed afterwards.
class PlacesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::path(::testing::TempDir()) /
                 ("vantorel-places-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_root);
        fs::create_directories(program());
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(program(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_root);
    }

    fs::path program() const { return m_root / "lib" / "vantorel"; }
    fs::path mark() const { return program() / VANTOREL_INSTALLED_MARKER; }
    places::Environment environment() const { return {"", "", (m_root / "home").string()}; }
    places::Places installed()
    {
        writeFile(mark(), program().string() + "\n");
        return places::placesOf(program(), environment());
    }

    fs::path m_root;
};

struct MarkCase {
    const char* name;
    std::function<void(const fs::path& mark, const fs::path& program)> make;
    CopyKind kind;
};

class InstallMark : public PlacesTest, public ::testing::WithParamInterface<MarkCase> {};

// Only a mark naming the program folder itself makes an installed copy; its
// writability plays no part.
TEST_P(InstallMark, DecidesPortableOrInstalled)
{
    GetParam().make(mark(), program());
    const places::Places p = places::placesOf(program(), environment());
    EXPECT_EQ(p.kind, GetParam().kind);
    if (p.kind == CopyKind::Portable) {
        EXPECT_EQ(p.configFolder, program());
        EXPECT_EQ(p.dataFolder, program());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, InstallMark,
    ::testing::Values(
        MarkCase{"NoMark", [](const fs::path&, const fs::path&) {}, CopyKind::Portable},
        MarkCase{"NamesThisFolder", [](const fs::path& m, const fs::path& p) { writeFile(m, p.string() + "\n"); },
                 CopyKind::Installed},
        MarkCase{"NamesThisFolderWithSlash",
                 [](const fs::path& m, const fs::path& p) { writeFile(m, p.string() + "/"); }, CopyKind::Installed},
        MarkCase{"CopiedFromElsewhere", [](const fs::path& m, const fs::path&) { writeFile(m, "/usr/lib/vantorel\n"); },
                 CopyKind::Portable},
        MarkCase{"Empty", [](const fs::path& m, const fs::path&) { writeFile(m, ""); }, CopyKind::Portable},
        MarkCase{"AFolder", [](const fs::path& m, const fs::path&) { fs::create_directories(m); }, CopyKind::Portable},
        MarkCase{"NamesThisFolderReadOnly",
                 [](const fs::path& m, const fs::path& p) {
                     writeFile(m, p.string() + "\n");
                     fs::permissions(p, fs::perms::owner_read | fs::perms::owner_exec);
                 },
                 CopyKind::Installed}),
    [](const ::testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

struct FolderCase {
    const char* name;
    places::Environment environment;  // "HOME" stands for the scratch home
    const char* config;               // below the scratch folder
    const char* data;
};

class UsersFolders : public PlacesTest, public ::testing::WithParamInterface<FolderCase> {};

// The XDG variables when they hold absolute paths, the home folder's defaults
// otherwise.
TEST_P(UsersFolders, FollowTheXdgVariables)
{
    writeFile(mark(), program().string());
    const auto here = [this](const std::string& v) { return v == "HOME" ? (m_root / "home").string() : v; };
    places::Environment e = GetParam().environment;
    e.home = here(e.home);
    const places::Places p = places::placesOf(program(), e);
    EXPECT_EQ(p.configFolder, fs::path(GetParam().config));
    EXPECT_EQ(p.dataFolder, fs::path(GetParam().data));
    EXPECT_EQ(p.programFolder, program());
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UsersFolders,
    ::testing::Values(
        FolderCase{"Set", {"/cfg", "/data", "/home/u"}, "/cfg/vantorel", "/data/vantorel"},
        FolderCase{"Unset", {"", "", "/home/u"}, "/home/u/.config/vantorel", "/home/u/.local/share/vantorel"},
        FolderCase{
            "Relative", {"cfg", "data", "/home/u"}, "/home/u/.config/vantorel", "/home/u/.local/share/vantorel"}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

// The user's table comes first in an installed copy, once it exists; a
// portable copy reads and saves the one beside the program.
TEST_F(PlacesTest, TableToRead)
{
    const places::Places portable = places::placesOf(program(), environment());
    EXPECT_EQ(places::tableToRead(portable).path, program() / "tablegost3900.txt");
    EXPECT_EQ(places::usersTable(portable), program() / "tablegost3900.txt");

    const places::Places p = installed();
    const fs::path own = m_root / "home/.local/share/vantorel/tablegost3900.txt";
    EXPECT_EQ(places::usersTable(p), own);
    EXPECT_EQ(places::tableToRead(p).path, program() / "tablegost3900.txt");
    EXPECT_EQ(places::tableToRead(p).source, places::TableSource::Shipped);
    writeFile(own, "own\n");
    EXPECT_EQ(places::tableToRead(p).path, own);
    EXPECT_EQ(places::tableToRead(p).source, places::TableSource::Users);
    EXPECT_EQ(places::shippedTable(p), program() / "tablegost3900.txt");
}

// An installed copy writes the user's settings.ini and reads the program
// folder's until the user's exists; a portable copy uses the one beside it.
TEST_F(PlacesTest, SettingsFiles)
{
    const fs::path beside = program() / "settings.ini";
    places::SettingsFiles f = places::settingsFiles(places::placesOf(program(), environment()));
    EXPECT_EQ(f.read, beside);
    EXPECT_EQ(f.write, beside);

    const places::Places p = installed();
    const fs::path own = m_root / "home/.config/vantorel/settings.ini";
    f = places::settingsFiles(p);
    EXPECT_EQ(f.read, beside);
    EXPECT_EQ(f.write, own);
    writeFile(own, "[Gost]\n");
    f = places::settingsFiles(p);
    EXPECT_EQ(f.read, own);
    EXPECT_EQ(f.write, own);
}

}  // namespace
