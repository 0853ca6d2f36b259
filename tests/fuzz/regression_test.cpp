// Every input that once tripped a fuzzer or a sanitizer, replayed through the
// same harness functions on every test run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

#include "harnesses.h"

namespace {

namespace fs = std::filesystem;

struct Harness {
    const char* folder;
    std::string (*run)(const std::uint8_t*, std::size_t);
};

void PrintTo(const Harness& harness, std::ostream* out)
{
    *out << harness.folder;
}

class FuzzRegressions : public ::testing::TestWithParam<Harness> {};

TEST_P(FuzzRegressions, HoldEveryProperty)
{
    const fs::path folder = fs::path(VANTOREL_FUZZ_REGRESSIONS) / GetParam().folder;
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string failure = GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(failure, "") << entry.path().filename();
        ++count;
    }
    EXPECT_GT(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Harnesses, FuzzRegressions,
                         ::testing::Values(Harness{"number_text", fuzz::numberText},
                                           Harness{"table", fuzz::tableReader},
                                           Harness{"batch", fuzz::batchReader}),
                         [](const ::testing::TestParamInfo<Harness>& info) { return std::string(info.param.folder); });

}  // namespace
