// The mission file's sections, line by line.
#include "mission_reader.h"

#include <cstdlib>

#include "app/text_helpers.h"

namespace {

std::string NextLine(LineReader& reader) {
    try {
        return ReadLine(reader);
    } catch (const FileReadError& error) {
        throw MissionUnreadable(error.what());
    }
}

bool EndsSection(const std::string& line) {
    return line.compare(0, 4, "*END") == 0;
}

bool IsComment(const std::string& line) {
    return line.starts_with(";");
}

// Calls the body handler for each line up to "*END" or the end of the file.
template <typename Handler>
void ReadBody(LineReader& reader, Handler handle) {
    while (!reader.AtEnd()) {
        const std::string line = NextLine(reader);
        if (EndsSection(line)) return;
        handle(line);
    }
}

MissionFileList ReadFileList(LineReader& reader, const MissionReadHooks& hooks) {
    MissionFileList list;
    std::size_t next = 0;
    // A ";" line is a file name here like any other.
    ReadBody(reader, [&](const std::string& line) {
        const std::string name = hooks.expand(line);
        if (name == "0") return;
        if (next >= list.Files.size()) list.Files.resize(next + 1);
        list.Files[next++] = name;
        list.Objective = true;
    });
    return list;
}

}  // namespace

std::optional<bool> ParseVirusValue(const std::string& text) {
    return ParseBoolean(text);
}

MissionSections ReadMissionSections(LineReader& reader, const MissionReadHooks& hooks) {
    MissionSections sections;
    while (!reader.AtEnd()) {
        const std::string line = NextLine(reader);
        if (IsComment(line) || !line.starts_with("*")) continue;
        const std::string header = UpperCase(line);

        if (header == "*EMAIL") {
            hooks.emailHeader();
            MissionMail mail;
            int counted = 0;
            ReadBody(reader, [&](const std::string& bodyLine) {
                if (IsComment(bodyLine)) return;
                const std::string text = hooks.expand(bodyLine);
                ++counted;
                if (counted == 1)
                    mail.Subject = text;
                else if (counted == 2)
                    mail.From = text;
                else
                    mail.Body += text + std::string(kCrLf);
            });
            sections.Mail = std::move(mail);
        } else if (header == "*TELNET_LOGIN_SCREEN") {
            std::string screen;
            ReadBody(reader, [&](const std::string& bodyLine) {
                if (!IsComment(bodyLine)) screen += hooks.expand(bodyLine) + std::string(kCrLf);
            });
            sections.TelnetLoginScreen = std::move(screen);
        } else if (header == "*INFECT_WITH_VIRUS") {
            const std::optional<bool> value = ParseVirusValue(NextLine(reader));
            if (!value) throw MissionUnreadable("the virus value is no boolean");
            sections.InfectWithVirus = *value;
        } else if (header == "*STEAL_FILE") {
            sections.Steal = ReadFileList(reader, hooks);
        } else if (header == "*DESTROY_FILE") {
            sections.Destroy = ReadFileList(reader, hooks);
        } else if (header == "*FOLDER_STUCTURE") {
            FileSystemRecord folders;
            FolderStructureBuilder builder(folders);
            try {
                ReadBody(reader, [&](const std::string& bodyLine) {
                    if (!IsComment(bodyLine)) builder.AddLine(hooks.expand(bodyLine));
                });
            } catch (const std::overflow_error& error) {
                throw MissionUnreadable(error.what());
            }
            sections.Folders = std::move(folders);
        }
    }
    return sections;
}
