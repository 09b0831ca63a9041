// What every fuzz target shares: the check that stops a run with its reason, a temporary
// application folder to lay an input into, and the one macro that makes a target's check both a
// libFuzzer entry point (fuzz builds) and an entry of the registry the regression test walks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

using FuzzCheck = void (*)(std::string_view input);

struct FuzzTarget {
    const char* name;
    FuzzCheck check;
};

// Every target compiled into this program, in no particular order.
std::vector<FuzzTarget>& FuzzTargets();

struct FuzzRegistration {
    FuzzRegistration(const char* name, FuzzCheck check) { FuzzTargets().push_back({name, check}); }
};

// A broken invariant. Not a std::exception, so no game code on the way can swallow it.
struct FuzzInvariantBroken {
    std::string_view condition;
    std::string_view file;
    int line;
};

// Under libFuzzer it prints the reason and aborts, which makes the input a finding; elsewhere
// it throws FuzzInvariantBroken for the test to report.
[[noreturn]] void FuzzFailure(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition)                                          \
    do {                                                               \
        if (!(condition)) FuzzFailure(#condition, __FILE__, __LINE__); \
    } while (false)

#ifdef ZINDREL_LIBFUZZER
#define ZINDREL_FUZZ_TARGET(name, check)                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        check(std::string_view(reinterpret_cast<const char*>(data), size));             \
        return 0;                                                                       \
    }
#else
#define ZINDREL_FUZZ_TARGET(name, check) \
    static const FuzzRegistration check##Registration(name, check);
#endif
