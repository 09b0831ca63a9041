// The built-in player, one mission at a time.
#include "auto_player.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <optional>

#include "app/game.h"
#include "app/text_helpers.h"
#include "app/virtual_platform.h"
#include "checker/pack_checker.h"
#include "checker/scratch_folder.h"
#include "console/console_view.h"

namespace {

// The value stands in the text as a word of its own, not inside a longer one.
bool Tells(const std::string& text, const std::string& value) {
    if (value.empty()) return false;
    auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = text.find(value); at != std::string::npos; at = text.find(value, at + 1)) {
        const std::size_t end = at + value.size();
        if ((at == 0 || !wordChar(text[at - 1])) && (end == text.size() || !wordChar(text[end])))
            return true;
    }
    return false;
}

struct ToolButton {
    const char* program;
    const char* button;
};
constexpr ToolButton kTools[] = {{kPortScanner.program, "butportscan"},
                                 {kPasswordHacker.program, "butpasswordhack"},
                                 {kVirusUploader.program, "butvirus"},
                                 {kFileWiper.program, "butdestroy"}};

// Why a mission attempt stopped short.
struct Lost {
    std::string why;
    bool traced = false;  // the trace caught the player: another attempt may do better
};

class Player {
public:
    Player(const std::filesystem::path& packFolder, const std::filesystem::path& dataFolder,
           const FileStore& files)
        : scratch_(dataFolder, packFolder, files),
          game_(platform_, GameFolders::Portable(scratch_.Path(), scratch_.Files()), view_) {
        platform_.logTimers = false;
        platform_.whenAnyShown = [this](ModalForm& form) {
            if (auto* message = dynamic_cast<MessageForm*>(&form))
                messages_.push_back(message->MessageLabel());
        };
        traceProbe_ = platform_.CreateTimer("TraceProbe", 100, [this] {
            traceReached_ = std::max<int>(traceReached_, game_.state.TraceProgress);
        });
    }

    PackPlay Play() {
        PackPlay play;
        try {
            Start();
            while (true) {
                platform_.Pause(5000);  // the next mission's mail arrives
                play.missions.push_back(PlayMission());
                if (!play.missions.back().won) MoveOn();
            }
        } catch (const ProgramEnded&) {
            play.ending = messages_.empty() ? "the game ended" : messages_.back();
        }
        return play;
    }

private:
    void Start() {
        const std::string pack = scratch_.PackName();
        platform_.WhenShown("frmIntro", [pack](ModalForm& form) {
            auto& intro = dynamic_cast<IntroForm&>(form);
            intro.txtHandle = "autoplay";
            const auto& packs = intro.MissionPacks();
            intro.SelectPack(static_cast<int>(std::find(packs.begin(), packs.end(), pack) - packs.begin()));
            intro.Form_KeyPress(IntroForm::kEnter);
        });
        game_.console.Form_Load();
        traceProbe_->SetEnabled(true);
        platform_.Pause(2000);
    }

    void Type(const std::string& command) {
        MainConsole& console = game_.console;
        for (char c : command) {
            console.CommandLine_KeyDown(ConsoleKey::Other);
            console.CommandLine_KeyPress(c);
        }
        console.CommandLine_KeyDown(ConsoleKey::Enter);
    }

    template <typename Form>
    bool Use(const char* button, const char* formName, std::function<void(Form&)> actions) {
        if (!game_.console.IsVisible(button)) return false;
        platform_.WhenShown(formName, [actions](ModalForm& form) { actions(dynamic_cast<Form&>(form)); });
        game_.console.ButtonClick(button);
        return true;
    }

    bool Installed(const char* button) const { return game_.console.IsVisible(button); }

    // Into the host's folder that holds the file; false when it lies nowhere on the host.
    bool GoToFileOnHost(const std::string& name) {
        const FileSystemRecord& host = game_.remote;
        for (const std::string& entry : host.Files) {
            if (entry.empty() || !EqualsIgnoringCase(NameOfFile(entry), name)) continue;
            const std::string folder = host.Folders.at(static_cast<std::size_t>(FolderOfFile(entry)));
            if (!EqualsIgnoringCase(host.CurrentFolder, folder)) {
                if (host.CurrentFolder != ".") Type("cd ..");
                if (folder != ".") Type("cd " + folder);
            }
            return true;
        }
        return false;
    }

    MissionPlay PlayMission() {
        MissionPlay play;
        play.file = "m" + std::to_string(game_.state.MissionsCompleted + 1) + ".zdl";
        const std::int64_t started = platform_.Now();
        const int completed = game_.state.MissionsCompleted;
        for (int attempt = 1; attempt <= 3; ++attempt) {
            play.attempts = attempt;
            traceReached_ = 0;
            const std::optional<Lost> lost = Attempt();
            if (!lost && game_.state.MissionsCompleted > completed) {
                play.won = true;
                play.gameSeconds = static_cast<double>(platform_.Now() - started) / 1000.0;
                play.traceReached = traceReached_;
                return play;
            }
            play.why = lost ? lost->why : "the hang-up did not count the mission: " + LastMessage();
            if (!lost || !lost->traced) break;
        }
        return play;
    }

    std::string LastMessage() const {
        if (messages_.empty()) return "no message";
        std::string text = messages_.back();
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }

    std::optional<Lost> Attempt() {
        GameState& state = game_.state;
        std::string mail;
        platform_.WhenShown("frmMail", [&mail](ModalForm& form) { mail = dynamic_cast<MailForm&>(form).txtMail; });
        game_.console.ButtonClick("butemail");

        const std::string& address = state.AttackIp;
        if (!Tells(mail, address)) return Lost{"the mail does not give the target's address"};
        if (!state.TargetPinged) Type("ping " + address);

        std::string port = std::to_string(state.AttackPort);
        if (!Tells(mail, port)) {
            if (!Installed("butportscan"))
                return Lost{"the port is in no mail and the port scanner is not installed"};
            messages_.clear();
            Use<PortScanForm>("butportscan", "frmPortscan", [&](PortScanForm& form) {
                form.txtIP = address;
                form.txtFrom = "2000";
                form.txtTo = "4000";
                form.lblScan_Click();
            });
            const std::string found = game_.LangString("str128") + " ";
            if (messages_.empty() || !messages_.back().starts_with(found))
                return Lost{"the port scanner found no port"};
            port = messages_.back().substr(found.size());
        }

        Type("telnet " + address + " " + port);
        if (game_.console.Prompt != "LOGIN: ") return Lost{"TELNET was refused: " + LastMessage()};

        const std::string login = state.MissionLogin;
        if (!Tells(mail, login) && !Tells(state.TelnetLoginScreen, login))
            return Lost{"no mail and no login screen tells the login"};
        Type(login);
        if (game_.console.Prompt != "PASSWORD: ") return Lost{"the login was refused"};

        std::string password = state.MissionPassword;
        if (!Tells(mail, password)) {
            if (!Installed("butpasswordhack"))
                return Lost{"the password is in no mail and the password hacker is not installed"};
            messages_.clear();
            bool cracked = false;
            Use<PasswordHackForm>("butpasswordhack", "frmPasswordhack", [&](PasswordHackForm& form) {
                form.lblHack_Click();
                platform_.Pause(10300);
                password = form.txtFile;
                cracked = true;
            });
            const std::string told = game_.LangString("str9") + " ";
            if (!cracked && !messages_.empty() && messages_.back().starts_with(told))
                password = messages_.back().substr(told.size());
        }
        Type(password);
        if (!state.Connected) return Lost{"the password was refused"};

        // Every tool lying on the host is the player's; the next missions may need it.
        for (const ToolButton& tool : kTools) {
            if (Installed(tool.button) || !GoToFileOnHost(tool.program)) continue;
            Type(tool.program);
            if (!state.Connected) return Lost{"the trace caught the player", true};
        }

        if (state.ObjectiveInfect && !state.VirusUploaded) {
            if (!Installed("butvirus")) return Lost{"the infection needs the virus uploader"};
            Use<VirusUploadForm>("butvirus", "frmUploadvirus", [&](VirusUploadForm& form) {
                form.SelectVirus(0);
                form.lblUpload_Click();
                platform_.Pause(30700);
            });
            if (!state.Connected) return Lost{"the trace caught the player", true};
        }
        for (int pass = 0; pass < 2; ++pass) {
            const bool steal = pass == 0;
            const std::vector<std::string> wanted = steal ? state.FilesToSteal : state.FilesToDestroy;
            if (!(steal ? state.ObjectiveSteal : state.ObjectiveDestroy)) continue;
            for (const std::string& file : wanted) {
                if (file.empty()) continue;
                if (!GoToFileOnHost(file)) return Lost{file + " is not on the host"};
                const char* button = steal ? "butcopyfile" : "butdestroy";
                if (!Installed(button)) return Lost{"destroying " + file + " needs the file wiper"};
                Use<FileTransferForm>(button, steal ? "frmCopyfile" : "frmDestroyfile",
                                      [&](FileTransferForm& form) {
                                          form.txtFile = file;
                                          form.Start_Click();
                                          platform_.Pause(10300);
                                      });
                if (!state.Connected) return Lost{"the trace caught the player", true};
            }
        }

        if (GoToFileOnHost(std::string(kOwnIp))) Type("del " + std::string(kOwnIp));
        if (!state.Connected) return Lost{"the trace caught the player", true};
        messages_.clear();
        Type("disconnect");
        return std::nullopt;
    }

    // A mission that cannot be won is passed over, so the rest of the pack is played too.
    void MoveOn() {
        if (game_.state.Connected) Type("disconnect");
        if (game_.console.MissionTimer().Enabled()) return;
        ++game_.state.MissionsCompleted;
        game_.console.MissionTimer().SetEnabled(true);
    }

    ScratchFolder scratch_;
    VirtualPlatform platform_;
    ConsoleView view_;
    Game game_;
    std::vector<std::string> messages_;
    std::unique_ptr<GameTimer> traceProbe_;
    int traceReached_ = 0;
};

}  // namespace

std::string MissionPlay::Text() const {
    if (!won) return file + ": not won: " + why;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", gameSeconds);
    return file + ": won in " + seconds + " s of game time (trace reached " +
           std::to_string(traceReached) + " of 15" +
           (attempts > 1 ? ", " + std::to_string(attempts) + " attempts" : std::string()) + ")";
}

bool PackPlay::AllWon() const {
    return !missions.empty() && std::all_of(missions.begin(), missions.end(),
                                            [](const MissionPlay& play) { return play.won; });
}

PackPlay PlayPack(const std::filesystem::path& packFolder, const std::filesystem::path& dataFolder,
                  const FileStore& files) {
    Player player(packFolder, dataFolder, files);
    return player.Play();
}
