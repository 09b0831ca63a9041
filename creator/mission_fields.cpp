// The editor's side of the mission file format.
#include "mission_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <vector>

#include "app/file_routines.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// The check box value: a whole number, blanks around it allowed; a fraction rounds half to even.
// A value beyond the integer range is no whole number either.
std::optional<int> WholeNumber(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::string value = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (value.find_first_not_of("+-0123456789.") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0') return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(rounded);
}

// Lines of a field, joined as the text box shows them.
struct FieldText {
    std::vector<std::string> lines;
    std::string Joined() const {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? kLineEnd : "") + lines[i];
        return text;
    }
};

template <typename Handler>
void ReadSection(LineReader& reader, Handler handle) {
    while (!reader.AtEnd()) {
        const std::string line = ReadLine(reader);
        if (line.compare(0, 4, "*END") == 0) return;
        handle(line);
    }
}

}  // namespace

const char* const kFolderStructureTemplate =
    "--autoexec.bat\r\n--command.com\r\n--config.sys\r\n--io.sys\r\n--msdos.sys\r\n+Windows\r\n"
    "--Win.com\r\n--System.ini\r\n+HackingToolz\r\n--PortScannerW32.exe\r\n+TelnetLogs\r\n"
    "--{own_ip}\r\n--{random_ip}\r\n--{random_ip}\r\n--{random_ip}\r\n+Pictures\r\n--Naked.jpg";

MissionFields NewMissionFields() {
    MissionFields fields;
    fields.filesystem = kFolderStructureTemplate;
    return fields;
}

namespace {

// The fields of a mission file's text, as LoadMissionFields gives them.
std::optional<MissionFields> ReadMissionFields(LineReader reader) {
    try {
        MissionFields fields;
        FieldText email, stealfiles, killfiles, filesystem, telnet;
        while (!reader.AtEnd()) {
            const std::string line = ReadLine(reader);
            if (line.starts_with(";") || !line.starts_with("*")) continue;
            const std::string header = UpperAscii(line);
            if (header == "*EMAIL") {
                int counted = 0;
                ReadSection(reader, [&](const std::string& body) {
                    if (body.starts_with(";")) return;
                    ++counted;
                    if (counted == 1)
                        fields.title = body;
                    else if (counted == 2)
                        fields.from = body;
                    else
                        email.lines.push_back(body);
                });
            } else if (header == "*TELNET_LOGIN_SCREEN") {
                ReadSection(reader, [&](const std::string& body) {
                    if (!body.starts_with(";")) telnet.lines.push_back(body);
                });
            } else if (header == "*INFECT_WITH_VIRUS") {
                const std::optional<int> value = WholeNumber(ReadLine(reader));
                if (!value) return std::nullopt;
                fields.virus = *value != 0;
            } else if (header == "*STEAL_FILE" || header == "*DESTROY_FILE") {
                const bool steal = header == "*STEAL_FILE";
                // A ";" line is a file name here like any other.
                ReadSection(reader, [&](const std::string& body) {
                    if (body == "0") return;
                    (steal ? fields.steal : fields.del) = true;
                    (steal ? stealfiles : killfiles).lines.push_back(body);
                });
            } else if (header == "*FOLDER_STUCTURE") {
                ReadSection(reader, [&](const std::string& body) {
                    if (!body.starts_with(";")) filesystem.lines.push_back(body);
                });
            }
        }
        fields.email = email.Joined();
        fields.stealfiles = stealfiles.Joined();
        fields.killfiles = killfiles.Joined();
        fields.filesystem = filesystem.Joined();
        fields.telnet = telnet.Joined();
        return fields;
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<MissionFields> LoadMissionFields(const std::filesystem::path& file,
                                               const FileStore& files) {
    try {
        return ReadMissionFields(files.Open(file));
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

namespace {

std::size_t FieldLineCount(const std::string& text) {
    std::size_t lines = 1;
    for (std::size_t at = text.find(kLineEnd); at != std::string::npos; at = text.find(kLineEnd, at + 2))
        ++lines;
    return lines;
}

// Walks the file as LoadMissionFields reads it, counting lines; the spot may lie past a field's
// end (a header of a section given twice whose second part is empty), the caller keeps it in.
MissionSpot WalkToLine(LineReader reader, int lineNumber) {
    try {
        int number = 0;
        auto next = [&] {
            ++number;
            return ReadLine(reader);
        };
        // The lines each multi-line field holds so far: a section given twice adds to its field.
        std::map<MissionField, int> held;
        while (!reader.AtEnd() && number < lineNumber) {
            const std::string line = next();
            if (line.starts_with(";") || !line.starts_with("*")) continue;
            const std::string header = UpperAscii(line);
            if (header == "*INFECT_WITH_VIRUS") {
                if (number == lineNumber) return {MissionField::kVirus, 0};
                next();
                if (number == lineNumber) return {MissionField::kVirus, 0};
                continue;
            }
            // The field a section's lines go to, and which of its lines count as field lines.
            const bool mail = header == "*EMAIL";
            MissionField field = MissionField::kNone;
            if (mail) field = MissionField::kEmail;
            else if (header == "*TELNET_LOGIN_SCREEN") field = MissionField::kTelnet;
            else if (header == "*STEAL_FILE") field = MissionField::kStealFiles;
            else if (header == "*DESTROY_FILE") field = MissionField::kKillFiles;
            else if (header == "*FOLDER_STUCTURE") field = MissionField::kFileSystem;
            if (field == MissionField::kNone) continue;
            const bool files = field == MissionField::kStealFiles || field == MissionField::kKillFiles;
            int counted = 0;  // field lines of this section so far
            // The spot of the section's n-th field line: the mail's first two lines are the
            // title and the sender, the rest its text.
            auto spotOf = [&](int n) {
                if (!mail) return MissionSpot{field, held[field] + n};
                if (n < 2) return MissionSpot{n == 0 ? MissionField::kTitle : MissionField::kFrom, 0};
                return MissionSpot{MissionField::kEmail, held[field] + n - 2};
            };
            if (number == lineNumber) return spotOf(0);
            while (!reader.AtEnd()) {
                const std::string body = next();
                const bool end = body.compare(0, 4, "*END") == 0;
                const bool skipped = files ? body == "0" : body.starts_with(";");
                // *END and a skipped line lead to the field line before them (the first, at the
                // section's start): one that is surely there.
                if (number == lineNumber)
                    return spotOf((end || skipped) && counted > 0 ? counted - 1 : counted);
                if (end) break;
                if (!skipped) ++counted;
            }
            held[field] += mail ? std::max(counted - 2, 0) : counted;
        }
    } catch (const FileReadError&) {
    }
    return {};
}

// The field a problem that names no line speaks of, from its words.
MissionField FieldOfProblem(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    const struct {
        const char* word;
        MissionField field;
    } words[] = {
        {"virus", MissionField::kVirus},        {"steal", MissionField::kStealFiles},
        {"destroy", MissionField::kKillFiles},  {"wipe", MissionField::kKillFiles},
        {"login screen", MissionField::kTelnet}, {"telnet", MissionField::kTelnet},
        {"mail", MissionField::kEmail},          {"folder", MissionField::kFileSystem},
        {"host", MissionField::kFileSystem},
    };
    for (const auto& w : words)
        if (lower.find(w.word) != std::string::npos) return w.field;
    return MissionField::kNone;
}

}  // namespace

MissionSpot LocateMissionLine(const std::filesystem::path& file, int lineNumber,
                              const FileStore& files) {
    const std::optional<std::string> bytes = files.ReadIfReadable(file);
    if (!bytes) return {};
    const std::optional<MissionFields> fields = ReadMissionFields(LineReader(*bytes));
    if (!fields) return {};
    return LocateMissionLine(*bytes, *fields, lineNumber);
}

MissionSpot LocateMissionLine(const std::string& bytes, const MissionFields& fields,
                              int lineNumber) {
    MissionSpot spot = WalkToLine(LineReader(bytes), lineNumber);
    const std::string* text = nullptr;
    switch (spot.field) {
        case MissionField::kEmail: text = &fields.email; break;
        case MissionField::kStealFiles: text = &fields.stealfiles; break;
        case MissionField::kKillFiles: text = &fields.killfiles; break;
        case MissionField::kFileSystem: text = &fields.filesystem; break;
        case MissionField::kTelnet: text = &fields.telnet; break;
        default: spot.line = 0;
    }
    if (text != nullptr) spot.line = std::min(spot.line, static_cast<int>(FieldLineCount(*text)) - 1);
    return spot;
}

MissionSpot SpotOfCheckLine(const std::filesystem::path& file, const std::string& line) {
    // "m1.zdl:13: error: ..." names line 13; "m1.zdl: error: ..." the whole file.
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) return {};
    const int number = std::atoi(line.c_str() + colon + 1);
    if (number > 0) return LocateMissionLine(file, number);
    const std::size_t text = line.find(':', colon + 1);
    MissionSpot spot;
    if (text != std::string::npos) spot.field = FieldOfProblem(line.substr(text + 1));
    return spot;
}

std::string MissionFileText(const MissionFields& fields, const std::string& fileName) {
    std::string text;
    auto line = [&text](const std::string& content) { text += content + kLineEnd; };
    // The title and the sender are one line each: a CR in them would end the line early and
    // shift every line of the mail after it.
    auto oneLine = [](const std::string& content) { return content.substr(0, content.find('\r')); };
    line(fileName);
    line("*EMAIL");
    line(oneLine(fields.title));
    line(oneLine(fields.from));
    line(fields.email);
    line("*END");
    line("*INFECT_WITH_VIRUS");
    line(fields.virus ? " 1 " : " 0 ");
    line("*END");
    line("*STEAL_FILE");
    if (fields.steal) line(fields.stealfiles);
    line("*END");
    line("*DESTROY_FILE");
    if (fields.del) line(fields.killfiles);
    line("*END");
    line("*FOLDER_STUCTURE");
    line(fields.filesystem);
    line("*END");
    line("*TELNET_LOGIN_SCREEN");
    line(fields.telnet);
    line("*END");
    return text;
}

bool SaveMissionFields(const std::filesystem::path& file, const MissionFields& fields,
                       FileStore& files) {
    return files.Write(file, MissionFileText(fields, file.filename().string()));
}

std::optional<std::string> LoadInstructions(const std::filesystem::path& file) {
    try {
        LineReader reader = LineReader::Open(file);
        std::string text;
        while (!reader.AtEnd()) text += ReadLine(reader) + kLineEnd;
        return text;
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

EditorStart StartEditor(const std::filesystem::path& file,
                        const std::filesystem::path& instructionsFile) {
    EditorStart start;
    if (std::optional<std::string> instructions = LoadInstructions(instructionsFile)) {
        start.instructions = *instructions;
    } else {
        start.messages.push_back(kInstructionsFailed);
        start.instructions = kNoInstructions;
    }
    if (!FileExists(file)) {
        start.fields = NewMissionFields();
    } else if (!(start.fields = LoadMissionFields(file))) {
        start.messages.push_back(kReadFailed);
    }
    return start;
}
