// Quenbry's mission reader on any bytes: a file it reads saves, reads back and keeps every field,
// and every line of it that a checker line may name leads to a line the editor's field holds.
#include <algorithm>

#include "creator/mission_fields.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

std::size_t LinesIn(const std::string& text) {
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

void CheckSpots(const std::filesystem::path& file, const FileStore& files, const MissionFields& fields,
                std::string_view input) {
    // Six lines spread over the file, the first and the last among them: each call walks the
    // file up to its line, so every line of a long one would set the pace of the whole target.
    // The first goes the way of a click in Quenbry, from the file; the others from its bytes.
    const std::size_t lines = std::count(input.begin(), input.end(), '\r') + 1;
    const std::string bytes(input);
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t number = 1 + k * (lines - 1) / 5;
        const MissionSpot spot = k == 0 ? LocateMissionLine(file, static_cast<int>(number), files)
                                        : LocateMissionLine(bytes, fields, static_cast<int>(number));
        FUZZ_CHECK(spot.line >= 0);
        switch (spot.field) {
            case MissionField::kNone:
            case MissionField::kTitle:
            case MissionField::kFrom:
            case MissionField::kVirus: FUZZ_CHECK(spot.line == 0); break;
            case MissionField::kEmail: FUZZ_CHECK(spot.line < static_cast<int>(LinesIn(fields.email))); break;
            case MissionField::kStealFiles: FUZZ_CHECK(spot.line < static_cast<int>(LinesIn(fields.stealfiles))); break;
            case MissionField::kKillFiles: FUZZ_CHECK(spot.line < static_cast<int>(LinesIn(fields.killfiles))); break;
            case MissionField::kFileSystem: FUZZ_CHECK(spot.line < static_cast<int>(LinesIn(fields.filesystem))); break;
            case MissionField::kTelnet: FUZZ_CHECK(spot.line < static_cast<int>(LinesIn(fields.telnet))); break;
        }
    }
}

void CheckCreatorMission(std::string_view input) {
    MemoryFileStore files;
    const TempAppFolder folder(&files);
    folder.Write("Pack/m1.zdl", input);
    const std::filesystem::path file = folder.Path() / "Pack/m1.zdl";
    const std::optional<MissionFields> first = LoadMissionFields(file, files);
    if (!first) return;
    FUZZ_CHECK(first->title.find('\r') == std::string::npos);
    FUZZ_CHECK(first->from.find('\r') == std::string::npos);
    CheckSpots(file, files, *first, input);
    FUZZ_CHECK(SaveMissionFields(file, *first, files));
    const std::string written = folder.Read("Pack/m1.zdl");
    FUZZ_CHECK(written == MissionFileText(*first, "m1.zdl"));

    const std::optional<MissionFields> again = LoadMissionFields(file, files);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(MissionFileText(*again, "m1.zdl") == written);
    FUZZ_CHECK(again->virus == first->virus && again->steal == first->steal &&
               again->del == first->del && again->title == first->title &&
               again->from == first->from);
}

}  // namespace

ZINDREL_FUZZ_TARGET("creator_mission", CheckCreatorMission)
