// A game on the virtual clock in its own temporary application folder, with the typing and
// waiting a test needs.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "app/game.h"
#include "console/console_view.h"
#include "fake_platform.h"

// A fresh application folder in the temporary directory, removed again at the end of the test.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    const std::filesystem::path& Path() const { return path_; }

    // Copies a file or folder of the repository's data/ folder into the application folder.
    void CopyFromData(const std::filesystem::path& relative) const;
    // Writes a file (folders are made as needed).
    void Write(const std::filesystem::path& relative, std::string_view bytes) const;
    std::string Read(const std::filesystem::path& relative) const;

private:
    std::filesystem::path path_;
};

// The repository's data/ folder.
std::filesystem::path SourceDataFolder();

class TestGame {
public:
    // An application folder holding the shipped English language file unless the test sets up
    // its own before the game is made.
    explicit TestGame(bool withEnglish = true);

    TempAppFolder folder;
    FakePlatform platform;
    ConsoleView view;
    std::unique_ptr<Game> game;

    MainConsole& Console() { return game->console; }
    const std::string& Transcript() { return game->console.Transcript(); }
    std::string Lang(const std::string& key) { return game->LangString(key); }

    // Loads the console window and lets the start-up pause run out, up to the first prompt.
    void StartConsole(const std::string& handle = "neo");
    // Types the characters one by one, then presses Enter.
    void Type(std::string_view text);
    void Enter();
    void TypeCommand(std::string_view text) {
        Type(text);
        Enter();
    }
};
