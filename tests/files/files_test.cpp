#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_write.h"
#include "files/bounded_read.h"
#include "files/system_error.h"
#include "support/special_files.h"

namespace {

namespace fs = std::filesystem;
using files::ReadStatus;
using files::WriteStatus;

// A fresh folder per test; a FIFO that blocked would end the test by alarm.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        m_dir = fs::path(::testing::TempDir()) / ("vantorel-files-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        ::alarm(30);
    }
    void TearDown() override
    {
        ::alarm(0);
        fs::remove_all(m_dir);
    }
    std::string at(const std::string& name) const { return (m_dir / name).string(); }
    static void put(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(m_dir))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path m_dir;
};

// Makers of what lies at a path: each returns why it could not be made, or nothing.
std::string fileWith(const std::string& path, const char* bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return {};
}

std::string folder(const std::string& path)
{
    fs::create_directory(path);
    return {};
}

std::string fifo(const std::string& path)
{
    ::mkfifo(path.c_str(), 0600);
    return {};
}

std::string link(const std::string& target, const std::string& path)
{
    fs::create_symlink(target, path);
    return {};
}

struct ReadCase {
    const char* name;
    std::function<std::string(const std::string& path)> make;  // puts it there; non-empty: why skipped
    ReadStatus status;
    int error;
};

class BoundedRead : public FilesTest, public ::testing::WithParamInterface<ReadCase> {};

// Only a regular file within the limit is read; nothing else is waited for
// or read from.
TEST_P(BoundedRead, ReadsOnlyRegularFilesWithinTheLimit)
{
    const std::string path = at("file");
    if (const std::string why = GetParam().make(path); !why.empty())
        GTEST_SKIP() << why;
    std::string bytes = "stale";
    const files::ReadOutcome outcome = files::readRegularFile(path, 8, bytes);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.error, GetParam().error);
    EXPECT_EQ(bytes, outcome.read() ? contents(path) : std::string());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BoundedRead,
    ::testing::Values(
        ReadCase{"AtTheLimit", [](const std::string& p) { return fileWith(p, "12345678"); }, ReadStatus::Read, 0},
        ReadCase{"OverTheLimit", [](const std::string& p) { return fileWith(p, "123456789"); }, ReadStatus::TooLarge,
                 0},
        ReadCase{"LinkToAFile",
                 [](const std::string& p) { return fileWith(p + ".real", "linked") + link(p + ".real", p); },
                 ReadStatus::Read, 0},
        ReadCase{"Missing", [](const std::string&) { return std::string(); }, ReadStatus::Missing, ENOENT},
        ReadCase{"Folder", folder, ReadStatus::Failed, EISDIR},
        ReadCase{"FifoWithoutWriter", fifo, ReadStatus::NotRegular, 0},
        ReadCase{"LinkToEndlessDevice", [](const std::string& p) { return link("/dev/zero", p); },
                 ReadStatus::NotRegular, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    // puts something at the path; returns why it cannot be made, or nothing
    std::function<std::string(const std::string& path)> make;
    WriteStatus status;
    int error;
    // where the bytes land when written ("" for none), what must still be there
    const char* written;
    std::function<bool(const std::string& path)> kept;
};

class AtomicWrite : public FilesTest, public ::testing::WithParamInterface<WriteCase> {};

// A save writes a regular file only, following symlinks to it; a device, a
// FIFO or a folder is never replaced and no temporary file is left.
TEST_P(AtomicWrite, WritesRegularFilesOnly)
{
    const std::string path = at("settings.ini");
    if (const std::string why = GetParam().make(path); !why.empty())
        GTEST_SKIP() << why;
    const std::vector<std::string> before = names();
    const files::WriteOutcome outcome = files::writeFileAtomically(path, "new\n");
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.error, GetParam().error);
    if (*GetParam().written) {
        EXPECT_EQ(contents(at(GetParam().written)), "new\n");
    }
    EXPECT_TRUE(GetParam().kept(path));
    // nothing new beside the file but the file itself
    std::vector<std::string> after = names();
    const auto added = std::find(after.begin(), after.end(), GetParam().written);
    if (added != after.end() && std::find(before.begin(), before.end(), GetParam().written) == before.end())
        after.erase(added);
    EXPECT_EQ(after, before);
}

bool anything(const std::string&)
{
    return true;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AtomicWrite,
    ::testing::Values(WriteCase{"New", [](const std::string&) { return std::string(); }, WriteStatus::Written, 0,
                                "settings.ini", anything},
                      WriteCase{"Replaced", [](const std::string& p) { return fileWith(p, "old, longer\n"); },
                                WriteStatus::Written, 0, "settings.ini", anything},
                      // a user's symlinked dotfile: its target is saved to, the link stays
                      WriteCase{"LinkToAFile",
                                [](const std::string& p) {
                                    const std::string dotfiles = (fs::path(p).parent_path() / "dotfiles").string();
                                    return folder(dotfiles) + fileWith(dotfiles + "/real.ini", "old\n") +
                                           link("dotfiles/real.ini", p);
                                },
                                WriteStatus::Written, 0, "dotfiles/real.ini", special::isSymlink},
                      WriteCase{"DanglingLink", [](const std::string& p) { return link("later.ini", p); },
                                WriteStatus::Written, 0, "later.ini", special::isSymlink},
                      WriteCase{"LinkToADevice",
                                [](const std::string& p) {
                                    const std::string why = special::makeNullDevice(p + ".null");
                                    if (why.empty())
                                        fs::create_symlink(fs::path(p).filename().string() + ".null", p);
                                    return why;
                                },
                                WriteStatus::NotRegular, 0, "",
                                [](const std::string& p) { return special::isCharacterDevice(p + ".null"); }},
                      WriteCase{"LinkToAFifo",
                                [](const std::string& p) { return fifo(p + ".fifo") + link(p + ".fifo", p); },
                                WriteStatus::NotRegular, 0, "",
                                [](const std::string& p) { return special::isFifo(p + ".fifo"); }},
                      WriteCase{"Fifo", fifo, WriteStatus::NotRegular, 0, "", special::isFifo},
                      WriteCase{"Folder", folder, WriteStatus::Failed, EISDIR, "",
                                [](const std::string& p) { return fs::is_directory(p); }},
                      WriteCase{"LinkLoop", [](const std::string& p) { return link(p, p); }, WriteStatus::Failed, ELOOP,
                                "", special::isSymlink}),
    [](const auto& info) { return std::string(info.param.name); });

// A regular file keeps its permissions; a read-only one is not replaced
// (the superuser may write anything, so that case needs a user).
TEST_F(FilesTest, ReplacedFileKeepsItsModeAndReadOnlyOneStays)
{
    const std::string path = at("table.txt");
    put(path, "old\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(files::writeFileAtomically(path, "new\n").written());
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (::geteuid() == 0)
        return;
    fs::permissions(path, fs::perms::owner_read);
    const files::WriteOutcome outcome = files::writeFileAtomically(path, "newer\n");
    EXPECT_EQ(outcome.status, WriteStatus::Failed);
    EXPECT_EQ(outcome.error, EACCES);
    EXPECT_EQ(contents(path), "new\n");
}

// The disk filling up mid-save keeps the old file and says so in the
// system's words, not "Unknown error".
TEST_F(FilesTest, FullDiskKeepsTheOldFileAndGivesTheReason)
{
    const std::string disk = at("disk");
    fs::create_directory(disk);
    const special::SmallDisk small(disk, 64 * 1024);
    if (!small.whyNot().empty())
        GTEST_SKIP() << small.whyNot();
    const std::string path = disk + "/settings.ini";
    put(path, "old\n");
    const files::WriteOutcome outcome = files::writeFileAtomically(path, std::string(256 * 1024, 'x'));
    EXPECT_EQ(outcome.status, WriteStatus::Failed);
    EXPECT_EQ(outcome.error, ENOSPC);
    EXPECT_EQ(files::systemReason(outcome.error), std::generic_category().message(ENOSPC));
    EXPECT_EQ(contents(path), "old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(disk), fs::directory_iterator()), 1);
}

}  // namespace
