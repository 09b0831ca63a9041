// The mission editor's fields, and reading and writing them as a mission file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/file_store.h"

// The editor's fields. Multi-line texts hold CR LF between their lines and no line end after
// the last one, so a mission read and written again keeps its bytes.
struct MissionFields {
    std::string title;
    std::string from;
    std::string email;
    bool virus = false;
    bool steal = false;
    std::string stealfiles;
    bool del = false;  // the "delete" check box: kill files on the host
    std::string killfiles;
    std::string filesystem;
    std::string telnet;
};

// A new mission: empty but for the folder-structure template.
MissionFields NewMissionFields();
extern const char* const kFolderStructureTemplate;

// The placeholders of the "Insert field" list, in its order.
inline constexpr const char* kPlaceholderFields[] = {
    "{hacker}", "{attack_ip}", "{attack_port}", "{own_ip}", "{random_login}", "{random_password}"};

// Reads a mission file into the fields; nothing when it cannot be read or its virus value is
// no whole number.
std::optional<MissionFields> LoadMissionFields(const std::filesystem::path& file,
                                               const FileStore& files = DiskFiles());

// The editor's places a line of a mission file can land in.
enum class MissionField { kNone, kTitle, kFrom, kEmail, kVirus, kStealFiles, kKillFiles,
                          kFileSystem, kTelnet };
struct MissionSpot {
    MissionField field = MissionField::kNone;
    int line = 0;  // the line within a multi-line field, from 0
    bool operator==(const MissionSpot&) const = default;
};

// Where line `lineNumber` (from 1) of the mission file shows in the editor: a section's header
// leads to its field's first line, *END and a comment (or a "0" in a file list) to the field line
// before them; nothing for a line outside the sections or a file that cannot be read.
MissionSpot LocateMissionLine(const std::filesystem::path& file, int lineNumber,
                              const FileStore& files = DiskFiles());
// The same for a mission file's bytes and the fields read from them.
MissionSpot LocateMissionLine(const std::string& bytes, const MissionFields& fields,
                              int lineNumber);

// Where a line of the pack checker's output about this mission file leads: the spot of the line
// it names, or for a problem that names no line the field its words speak of (the virus, the
// files to steal or to destroy, the login screen, the mail, the host's folders); nothing when it
// names none of them.
MissionSpot SpotOfCheckLine(const std::filesystem::path& file, const std::string& line);

// The mission file's text: the file's own name, then the sections in their fixed order.
std::string MissionFileText(const MissionFields& fields, const std::string& fileName);

// Writes the mission through a temporary file, so a failed save leaves the old one whole.
bool SaveMissionFields(const std::filesystem::path& file, const MissionFields& fields,
                       FileStore& files = DiskFiles());

// The instruction file's text, each line followed by CR LF; nothing when it cannot be read.
std::optional<std::string> LoadInstructions(const std::filesystem::path& file);

// What the editor opens with: the instructions (or their stand-in), the mission's fields (a new
// mission's when the file does not exist yet; nothing when it cannot be read), and the messages
// to show the author first, in order.
struct EditorStart {
    std::string instructions;
    std::optional<MissionFields> fields;
    std::vector<std::string> messages;
};
EditorStart StartEditor(const std::filesystem::path& file,
                        const std::filesystem::path& instructionsFile);

inline constexpr const char* kInstructionsFailed =
    "Error reading the instruction file. I am sorry, but I don't feel like trying again. Leave me "
    "alone.";
inline constexpr const char* kNoInstructions = "*sigh* nothing here.. move along!! :@";
inline constexpr const char* kMissionSaved = "Mission saved";
inline constexpr const char* kReadFailed = "Error reading mission file";
inline constexpr const char* kWriteFailed = "Error writing mission file";
