// The mission reader on any bytes: it reads the sections or refuses the file as unreadable, and
// what it reads is well formed.
#include "fuzz_support.h"
#include "mission/mission_reader.h"

namespace {

void CheckMissionReader(std::string_view input) {
    LineReader reader{std::string(input)};
    MissionSections sections;
    try {
        if (!reader.AtEnd()) ReadLine(reader);  // the self-name line, judged by the loader
        sections = ReadMissionSections(reader, MissionReadHooks{});
    } catch (const FileReadError&) {
        return;
    } catch (const MissionUnreadable&) {
        return;
    }
    if (sections.Folders) {
        const FileSystemRecord& folders = *sections.Folders;
        FUZZ_CHECK(!folders.Folders.empty() && folders.Folders[0] == ".");
        FUZZ_CHECK(folders.Folders.size() <= 32767);
        for (const std::string& entry : folders.Files) {
            const int folder = FolderOfFile(entry);
            FUZZ_CHECK(folder >= 0 && static_cast<std::size_t>(folder) < folders.Folders.size());
        }
    }
    for (const auto* list : {&sections.Steal, &sections.Destroy}) {
        if (!*list) continue;
        FUZZ_CHECK(!(*list)->Files.empty());
        if (!(*list)->Objective) FUZZ_CHECK((*list)->Files == std::vector<std::string>{""});
    }
    if (sections.Mail) {
        FUZZ_CHECK(sections.Mail->Subject.find('\r') == std::string::npos);
        FUZZ_CHECK(sections.Mail->From.find('\r') == std::string::npos);
        FUZZ_CHECK(sections.Mail->Body.empty() || sections.Mail->Body.ends_with("\r\n"));
    }
    if (sections.TelnetLoginScreen)
        FUZZ_CHECK(sections.TelnetLoginScreen->empty() ||
                   sections.TelnetLoginScreen->ends_with("\r\n"));
}

}  // namespace

ZINDREL_FUZZ_TARGET("mission_reader", CheckMissionReader)
