// Quenbry's mission reader on any bytes: a file it reads saves, reads back and keeps every field.
#include "creator/mission_fields.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckCreatorMission(std::string_view input) {
    TempAppFolder folder;
    folder.Write("Pack/m1.zdl", input);
    const std::filesystem::path file = folder.Path() / "Pack/m1.zdl";
    const std::optional<MissionFields> first = LoadMissionFields(file);
    if (!first) return;
    FUZZ_CHECK(first->title.find('\r') == std::string::npos);
    FUZZ_CHECK(first->from.find('\r') == std::string::npos);
    FUZZ_CHECK(SaveMissionFields(file, *first));
    const std::string written = folder.Read("Pack/m1.zdl");
    FUZZ_CHECK(written == MissionFileText(*first, "m1.zdl"));

    const std::optional<MissionFields> again = LoadMissionFields(file);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(MissionFileText(*again, "m1.zdl") == written);
    FUZZ_CHECK(again->virus == first->virus && again->steal == first->steal &&
               again->del == first->del && again->title == first->title &&
               again->from == first->from);
}

}  // namespace

ZINDREL_FUZZ_TARGET("creator_mission", CheckCreatorMission)
