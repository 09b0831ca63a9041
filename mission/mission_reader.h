// Reading a mission file: the self-name line, then the sections that fill the mission's data.
// A pure function of the file's lines and the placeholder expander, shared by every reader.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/file_routines.h"
#include "console/file_system.h"

// A mission file that cannot be read: a line past the end, or a virus value that is no boolean.
class MissionUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MissionMail {
    std::string Subject;
    std::string From;
    std::string Body;  // each line followed by CR LF
};

struct MissionFileList {
    // Starts as a single empty entry; every line but "0" fills the next entry from index 0.
    std::vector<std::string> Files{""};
    bool Objective = false;  // true when the section named at least one entry
};

// What the sections of a mission file say; a section the file lacks stays empty, and the game
// then keeps the previous mission's values.
struct MissionSections {
    std::optional<MissionMail> Mail;
    std::optional<std::string> TelnetLoginScreen;  // each line followed by CR LF
    std::optional<bool> InfectWithVirus;
    std::optional<MissionFileList> Steal;
    std::optional<MissionFileList> Destroy;
    std::optional<FileSystemRecord> Folders;
};

struct MissionReadHooks {
    // Fills the placeholders of a line of an expanding section.
    std::function<std::string(const std::string&)> expand = [](const std::string& line) {
        return line;
    };
    // Called when the "*EMAIL" header is met, before its body is read.
    std::function<void()> emailHeader = [] {};
};

// Reads the sections after the self-name line, which the caller has read and judged already.
// Throws MissionUnreadable.
MissionSections ReadMissionSections(LineReader& reader, const MissionReadHooks& hooks);

// The virus value: a number (0 is false, anything else true) or True/False in any case, with
// blanks around it allowed. Anything else, the empty text included, is no value.
std::optional<bool> ParseVirusValue(const std::string& text);
