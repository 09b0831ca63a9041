// A game on the virtual clock in its own temporary application folder, with the typing and
// waiting a test needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/memory_file_store.h"
#include "console/console_view.h"
#include "fake_platform.h"

// A fresh application folder in the temporary directory, removed again at the end of the test;
// or, given a folder tree in memory, one in there, which never touches the disk.
class TempAppFolder {
public:
    explicit TempAppFolder(MemoryFileStore* memory = nullptr);
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // Where the folder's files are.
    FileStore& Files() const;

    // Copies a file or folder of the repository's data/ folder into the application folder.
    void CopyFromData(const std::filesystem::path& relative) const;
    // Writes a file (folders are made as needed).
    void Write(const std::filesystem::path& relative, std::string_view bytes) const;
    std::string Read(const std::filesystem::path& relative) const;

private:
    std::filesystem::path path_;
    MemoryFileStore* memory_;
};

// The repository's data/ folder.
std::filesystem::path SourceDataFolder();

// Records what only the window would show: where the caret was put, and the transcript as the
// window would hold it, with every transcript a command cleared away.
class RecordingConsoleView : public ConsoleView {
public:
    void CaretToStart() override { ++caretToStart; }
    void TranscriptAppended(std::string_view added) override { shown += added; }
    void TranscriptTruncated(std::size_t newLength) override { shown.resize(newLength); }
    void TranscriptTrimmed(std::string_view removed) override { shown.erase(0, removed.size()); }
    void TranscriptReplaced(const std::string& text) override {
        cleared.push_back(shown);
        shown = text;
    }
    int caretToStart = 0;
    std::string shown;
    std::vector<std::string> cleared;
};

class TestGame {
public:
    // An application folder holding the shipped English language file (unless the test sets up
    // its own) and a small default file system: autoexec.bat in the root and a DOWNLOADS folder.
    enum class Where { kOnDisk, kInMemory };
    explicit TestGame(bool withEnglish = true, Where where = Where::kOnDisk);

    // The files of a game in memory.
    MemoryFileStore memory;
    TempAppFolder folder;
    FakePlatform platform;
    RecordingConsoleView view;
    std::unique_ptr<Game> game;
    // Every text the message window showed, in order.
    std::vector<std::string> messages;

    // Makes the game an installed one: the application folder holds only the shipped data, and
    // the player's files are read from and written to the given folder.
    void Install(const std::filesystem::path& userFolder);

    MainConsole& Console() { return game->console; }
    const std::string& Transcript() { return game->console.Transcript(); }
    std::string Lang(const std::string& key) { return game->LangString(key); }

    // Makes the next intro window take this handle and pack and press Enter. A missing pack is
    // made with one bare mission.
    void AnswerIntro(const std::string& handle = "neo", const std::string& pack = "TestPack");
    // Loads the console window through the intro and lets the start-up pause run out, up to the
    // first prompt.
    void StartConsole(const std::string& handle = "neo", const std::string& pack = "TestPack");
    // Types the characters one by one, then presses Enter.
    void Type(std::string_view text);
    void Enter();
    void TypeCommand(std::string_view text) {
        Type(text);
        Enter();
    }
    // Types a command and returns what it added to the transcript, its prompt included.
    std::string Run(std::string_view command);

    // Clicks a console button and acts in the form of the window it opens.
    template <typename Form>
    void UseWindow(const char* button, const char* formName, std::function<void(Form&)> actions) {
        platform.WhenShown(formName,
                           [actions](ModalForm& form) { actions(dynamic_cast<Form&>(form)); });
        Console().ButtonClick(button);
    }
    // The virtual times at which the named timer ticked, in order.
    std::vector<std::int64_t> TimerTicks(std::string_view timer) const;
};
