// The test game's application folder and player actions.
#include "test_game.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#ifndef ZINDREL_SOURCE_DATA
#error "ZINDREL_SOURCE_DATA must name the repository's data folder"
#endif

namespace fs = std::filesystem;

std::filesystem::path SourceDataFolder() {
    return ZINDREL_SOURCE_DATA;
}

TempAppFolder::TempAppFolder(MemoryFileStore* memory) : memory_(memory) {
    static std::atomic<int> counter{0};
    if (memory_) {
        path_ = "/app";
        memory_->MakeFolders(path_);
        return;
    }
    path_ = fs::temp_directory_path() /
            ("zindrel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempAppFolder::~TempAppFolder() {
    if (memory_) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

FileStore& TempAppFolder::Files() const {
    return memory_ ? *memory_ : DiskFiles();
}

void TempAppFolder::CopyFromData(const fs::path& relative) const {
    // Copied through streams, file by file: the system's copy call gives up when a signal
    // interrupts it, and the fuzzers' timer signal does, now and then.
    const fs::path source = SourceDataFolder() / relative;
    auto copyFile = [this](const fs::path& from, const fs::path& to) {
        // The shipped data does not change while the tests run: each file is read once.
        static std::map<fs::path, std::string> read;
        auto known = read.find(from);
        if (known == read.end()) {
            std::ifstream in(from, std::ios::binary);
            if (!in) throw std::runtime_error("cannot read test data " + from.string());
            known = read.emplace(from, std::string((std::istreambuf_iterator<char>(in)),
                                                   std::istreambuf_iterator<char>()))
                        .first;
        }
        Write(to, known->second);
    };
    if (!fs::is_directory(source)) {
        copyFile(source, relative);
        return;
    }
    Files().MakeFolders(path_ / relative);
    for (const auto& entry : fs::recursive_directory_iterator(source))
        if (entry.is_regular_file())
            copyFile(entry.path(), relative / fs::relative(entry.path(), source));
}

void TempAppFolder::Write(const fs::path& relative, std::string_view bytes) const {
    if (memory_) {
        memory_->Put(path_ / relative, bytes);
        return;
    }
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream out(path_ / relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + relative.string());
}

std::string TempAppFolder::Read(const fs::path& relative) const {
    if (memory_) {
        const std::optional<std::string> bytes = memory_->Get(path_ / relative);
        if (!bytes) throw std::runtime_error("cannot read test file " + relative.string());
        return *bytes;
    }
    std::ifstream in(path_ / relative, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read test file " + relative.string());
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TestGame::TestGame(bool withEnglish, Where where)
    : folder(where == Where::kInMemory ? &memory : nullptr) {
    if (withEnglish) folder.CopyFromData("Lang/English.zdl");
    folder.Write("FileSystem/defaultfs.zdl", "--autoexec.bat\r\n+DOWNLOADS\r\n");
    game = std::make_unique<Game>(platform, GameFolders::Portable(folder.Path(), folder.Files()),
                                  view);
    platform.whenAnyShown = [this](ModalForm& form) {
        if (auto* message = dynamic_cast<MessageForm*>(&form))
            messages.push_back(message->MessageLabel());
    };
}

void TestGame::Install(const fs::path& userFolder) {
    game = std::make_unique<Game>(
        platform, GameFolders{folder.Path(), userFolder, &folder.Files()}, view);
}

void TestGame::AnswerIntro(const std::string& handle, const std::string& pack) {
    // A pack needs a mission to start; a bare one sets nothing but the defaults.
    if (!folder.Files().Exists(folder.Path() / "MissionPack" / pack))
        folder.Write(fs::path("MissionPack") / pack / "m1.zdl", "m1.zdl\r\n");
    platform.WhenShown("frmIntro", [handle, pack](ModalForm& form) {
        auto& intro = dynamic_cast<IntroForm&>(form);
        intro.txtHandle = handle;
        const auto& packs = intro.MissionPacks();
        intro.SelectPack(
            static_cast<int>(std::find(packs.begin(), packs.end(), pack) - packs.begin()));
        intro.Form_KeyPress(IntroForm::kEnter);
    });
}

void TestGame::StartConsole(const std::string& handle, const std::string& pack) {
    AnswerIntro(handle, pack);
    game->console.Form_Load();
    platform.Pause(2000);
}

void TestGame::Type(std::string_view text) {
    for (char c : text) {
        game->console.CommandLine_KeyDown(ConsoleKey::Other);
        game->console.CommandLine_KeyPress(c);
    }
}

std::string TestGame::Run(std::string_view command) {
    const std::size_t before = Transcript().size();
    Type(command);
    Enter();
    // A command that cleared the screen added all there is.
    return before <= Transcript().size() ? Transcript().substr(before) : Transcript();
}

void TestGame::Enter() {
    game->console.CommandLine_KeyDown(ConsoleKey::Enter);
}

std::vector<std::int64_t> TestGame::TimerTicks(std::string_view timer) const {
    const std::string suffix = " " + std::string(timer);
    std::vector<std::int64_t> ticks;
    for (const std::string& entry : platform.timerLog)
        if (entry.ends_with(suffix)) ticks.push_back(std::stoll(entry));
    return ticks;
}
