// The fuzz targets' shared check and registry.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

std::vector<FuzzTarget>& FuzzTargets() {
    static std::vector<FuzzTarget> targets;
    return targets;
}

void FuzzFailure(const char* condition, const char* file, int line) {
#ifdef ZINDREL_LIBFUZZER
    std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", condition, file, line);
    std::abort();
#else
    throw FuzzInvariantBroken{condition, file, line};
#endif
}
