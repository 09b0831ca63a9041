// A wave file of any bytes plays for at most the cap, never longer than its bytes allow, and a
// file with more bytes never plays shorter.
#include "app/wave_file.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckWaveHeader(std::string_view input) {
    const int asIs = WaveDurationFromHeader(input, input.size());
    FUZZ_CHECK(asIs >= 0 && asIs <= kMaxSoundMilliseconds);
    const int longer = WaveDurationFromHeader(input, input.size() + 100000);
    FUZZ_CHECK(longer >= asIs && longer <= kMaxSoundMilliseconds);
    const int huge = WaveDurationFromHeader(input, ~std::uint64_t{0});
    FUZZ_CHECK(huge >= longer && huge <= kMaxSoundMilliseconds);

    MemoryFileStore files;
    const TempAppFolder folder(&files);
    folder.Write("Sound/fuzz.wav", input);
    FUZZ_CHECK(WaveDurationMilliseconds(folder.Path() / "Sound/fuzz.wav", files) ==
               WaveDurationFromHeader(input.substr(0, 4096), input.size()));
}

}  // namespace

ZINDREL_FUZZ_TARGET("wave_header", CheckWaveHeader)
