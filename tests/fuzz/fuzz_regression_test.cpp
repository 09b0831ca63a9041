// Every seed and every input a fuzzer ever found goes through its target's checks in the normal
// tests: the readers must read or refuse each one, never crash or break an invariant.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(FuzzRegressions, EverySeedAndEveryFindingPassesItsTargetsChecks) {
    const fs::path inputs = ZINDREL_FUZZ_INPUTS;
    ASSERT_FALSE(FuzzTargets().empty());
    for (const FuzzTarget& target : FuzzTargets()) {
        SCOPED_TRACE(target.name);
        // Every target starts from seeds; findings are added as they come.
        EXPECT_TRUE(fs::is_directory(inputs / "corpus" / target.name));
        for (const char* kind : {"corpus", "regressions"}) {
            const fs::path folder = inputs / kind / target.name;
            if (!fs::is_directory(folder)) continue;
            for (const auto& entry : fs::directory_iterator(folder)) {
                try {
                    target.check(Read(entry.path()));
                } catch (const FuzzInvariantBroken& broken) {
                    ADD_FAILURE() << entry.path() << ": " << broken.condition << " (" << broken.file
                                  << ":" << broken.line << ")";
                }
            }
        }
    }
}

}  // namespace
