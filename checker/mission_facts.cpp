// Reading a mission file line by line with the game's rules, and noting what stands where.
#include "mission_facts.h"

#include <algorithm>

#include "app/file_routines.h"
#include "app/text_helpers.h"
#include "checker/file_text.h"

namespace {

using Line = TextLine;

bool IsComment(const std::string& line) {
    return line.starts_with(";");
}

class Reader {
public:
    Reader(MissionFacts& facts, std::vector<Line> lines) : facts_(facts), lines_(std::move(lines)) {}

    void Problem(int line, bool error, std::string text) {
        facts_.problems.push_back({facts_.file, line, error, std::move(text)});
    }

    void Read(const std::string& selfName) {
        if (lines_.empty()) {
            Problem(0, true, "the file is empty: the game cannot read it");
            facts_.readable = false;
            return;
        }
        for (const Line& line : lines_) CheckBytes(line);
        if (lines_[0].text != selfName)
            Problem(1, true,
                    "the first line must be the file's own name, \"" + selfName +
                        "\": the game refuses the file");
        std::size_t i = 1;
        while (i < lines_.size()) {
            const Line& line = lines_[i];
            if (IsComment(line.text) || !line.text.starts_with("*")) {
                if (!line.text.empty() && !IsComment(line.text))
                    Problem(line.number, false, "text outside any section is not read");
                ++i;
                continue;
            }
            i = Section(i);
        }
    }

private:
    // Reads the section whose header stands at index i; returns the index after it.
    std::size_t Section(std::size_t i) {
        const Line& header = lines_[i];
        const std::string name = UpperCase(header.text);
        if (name == "*INFECT_WITH_VIRUS") {
            facts_.hasVirus = true;
            if (i + 1 >= lines_.size()) {
                Problem(header.number, true, "the virus value is missing: the game cannot read the file");
                facts_.readable = false;
                return lines_.size();
            }
            const std::optional<bool> value = ParseBoolean(lines_[i + 1].text);
            if (!value) {
                Problem(lines_[i + 1].number, true,
                        "the virus value must be a number or True or False: the game cannot read "
                        "the file");
                facts_.readable = false;
            } else {
                facts_.infect = *value;
            }
            return i + 2;
        }
        enum class Kind { Mail, Telnet, Steal, Destroy, Folders, None } kind = Kind::None;
        if (name == "*EMAIL") kind = Kind::Mail;
        if (name == "*TELNET_LOGIN_SCREEN") kind = Kind::Telnet;
        if (name == "*STEAL_FILE") kind = Kind::Steal;
        if (name == "*DESTROY_FILE") kind = Kind::Destroy;
        if (name == "*FOLDER_STUCTURE") kind = Kind::Folders;
        if (kind == Kind::None) {
            // A stray end marker at the top is how every virus section ends; anything else is a
            // header the game does not know and skips, reading its lines as outside any section.
            if (!header.text.starts_with("*END")) {
                std::string hint;
                if (name.starts_with("*FOLDER_STRUCTURE")) hint = " (the game spells it *FOLDER_STUCTURE)";
                else if (name != name.substr(0, name.find_last_not_of(' ') + 1)) hint = " (a blank after it?)";
                Problem(header.number, true,
                        "unknown section header \"" + header.text + "\"" + hint +
                            ": the game skips it");
            }
            return i + 1;
        }
        // A second mail or login screen replaces the first: what only the first told, no one
        // tells any more.
        auto replace = [this](const char* shown) {
            for (std::string* last : {&facts_.lastAttackIp, &facts_.lastAttackPort,
                                      &facts_.lastLogin, &facts_.lastPassword})
                if (*last == shown) *last = MissionFacts::kReplaced;
        };
        if (kind == Kind::Mail) {
            replace("mail");
            facts_.hasMail = true;
            facts_.mail.clear();
        }
        if (kind == Kind::Telnet) {
            replace("telnet");
            facts_.hasTelnet = true;
        }
        if (kind == Kind::Steal) {
            facts_.hasSteal = true;
            facts_.steal.clear();
        }
        if (kind == Kind::Destroy) {
            facts_.hasDestroy = true;
            facts_.destroy.clear();
        }
        if (kind == Kind::Folders) {
            facts_.hasFolders = true;
            facts_.files.clear();
            facts_.folders.clear();
            facts_.foldersLine = header.number;
        }
        const char* where = kind == Kind::Mail ? "mail" : kind == Kind::Telnet ? "telnet" : "other";
        std::string folder = ".";
        bool reachable = true;  // CD finds a folder by its name: only the first of a name
        std::size_t j = i + 1;
        for (; j < lines_.size() && !lines_[j].text.starts_with("*END"); ++j) {
            const Line& line = lines_[j];
            const bool listsNames = kind == Kind::Steal || kind == Kind::Destroy;
            // A comment is skipped, except in the lists, where it is a file name like any other.
            if (!listsNames && IsComment(line.text)) continue;
            Placeholders(line, where);
            if (kind == Kind::Mail) facts_.mail += line.text + "\n";
            if (listsNames) {
                if (line.text == "0") continue;
                if (line.text.empty())
                    Problem(line.number, false,
                            "an empty line is an entry of the list that counts as done already");
                (kind == Kind::Steal ? facts_.steal : facts_.destroy).push_back({line.text, line.number});
            } else if (kind == Kind::Folders) {
                if (line.text.starts_with("--")) {
                    if (reachable) facts_.files.push_back({folder, line.text.substr(2), line.number});
                } else if (line.text.starts_with("+")) {
                    folder = line.text.substr(1);
                    reachable = std::none_of(
                        facts_.folders.begin(), facts_.folders.end(),
                        [&folder](const std::string& earlier) { return EqualsIgnoringCase(earlier, folder); });
                    if (!reachable)
                        Problem(line.number, false,
                                "a second folder named " + folder +
                                    ": CD always goes to the first, so the files below this line "
                                    "can never be reached");
                    facts_.folders.push_back(folder);
                } else if (!line.text.empty()) {
                    Problem(line.number, false,
                            "neither a folder (+name) nor a file (--name): the game ignores the "
                            "line");
                }
            }
        }
        if (j >= lines_.size())
            Problem(header.number, true,
                    "section " + name + " has no *END: it runs to the end of the file");
        return j + 1;
    }

    void Placeholders(const Line& line, const char* where) {
        const std::string& text = line.text;
        for (std::size_t open = text.find('{'); open != std::string::npos;
             open = text.find('{', open + 1)) {
            const std::size_t close = text.find('}', open);
            if (close == std::string::npos) break;
            const std::string token = text.substr(open, close - open + 1);
            bool word = token.size() > 2;
            for (std::size_t k = 1; k + 1 < token.size(); ++k) {
                const char c = token[k];
                if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) word = false;
            }
            if (!word) continue;
            bool known = false;
            for (const char* placeholder : kPlaceholders) known = known || token == placeholder;
            if (!known)
                Problem(line.number, true,
                        "unknown placeholder " + token + ": the game leaves it in the text");
        }
        // Each line draws each value once; the line tells it when one of its places stands
        // apart from the letters and digits around it ("port 2345", not "2345a").
        auto drawn = [&](const std::string& placeholder, std::string& last) {
            bool found = false, apart = false;
            for (std::size_t at = text.find(placeholder); at != std::string::npos;
                 at = text.find(placeholder, at + 1)) {
                found = true;
                const std::size_t end = at + placeholder.size();
                const bool before = at > 0 && (std::isalnum(static_cast<unsigned char>(text[at - 1])) ||
                                               text[at - 1] == '}');
                const bool after = end < text.size() &&
                                   (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '{');
                apart = apart || (!before && !after);
            }
            if (!found) return;
            last = where;
            if (!apart && (last == "mail" || last == "telnet"))
                Problem(line.number, false,
                        placeholder + " runs into the text beside it: a player cannot tell where "
                                      "its value ends");
        };
        drawn("{attack_ip}", facts_.lastAttackIp);
        drawn("{attack_port}", facts_.lastAttackPort);
        drawn("{random_login}", facts_.lastLogin);
        drawn("{random_password}", facts_.lastPassword);
    }

    void CheckBytes(const Line& line) {
        if (const auto problem = UnshownByteProblem(line.text)) Problem(line.number, false, *problem);
    }

    MissionFacts& facts_;
    std::vector<Line> lines_;
};

}  // namespace

MissionFacts ReadMissionFacts(const std::filesystem::path& path, const std::string& selfName,
                              const FileStore& files) {
    MissionFacts facts;
    facts.file = path.filename().string();
    const std::optional<std::string> bytes = ReadAsTheGameDoes(path, files);
    if (!bytes) {
        facts.problems.push_back({facts.file, 0, true, kUnreadableFile});
        return facts;
    }
    facts.readable = true;
    if (const auto problem = LineEndProblem(*bytes))
        facts.problems.push_back({facts.file, 0, false, *problem});

    Reader reader(facts, CutLines(*bytes));
    reader.Read(selfName);
    return facts;
}
