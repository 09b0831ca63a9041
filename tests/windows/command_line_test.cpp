// The command line both programs take, and the start-up's choice of the data folder and the
// player's folder: portable beside the program, installed with a folder of the player's own, or
// as the command line says.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "app/qt_command_line.h"

namespace {

std::unique_ptr<ProgramCommandLine> Parsed(const QStringList& options) {
    auto commandLine = std::make_unique<ProgramCommandLine>("test");
    EXPECT_TRUE(commandLine->Parse(QStringList{"zindrel"} + options))
        << commandLine->ErrorText().toStdString();
    return commandLine;
}

TEST(CommandLine, ReadsTheFoldersAndTheRequestsForInformation) {
    const auto none = Parsed({});
    EXPECT_FALSE(none->WantsHelp());
    EXPECT_FALSE(none->WantsVersion());
    EXPECT_TRUE(none->DataFolder().isEmpty());
    EXPECT_TRUE(none->UserFolder().isEmpty());

    const auto folders = Parsed({"--data", "/opt/z", "--user-data=/home/p/z"});
    EXPECT_EQ(folders->DataFolder(), "/opt/z");
    EXPECT_EQ(folders->UserFolder(), "/home/p/z");
    EXPECT_TRUE(Parsed({"-h"})->WantsHelp());
    EXPECT_TRUE(Parsed({"--version"})->WantsVersion());
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    for (const QStringList& options :
         {QStringList{"--data"}, QStringList{"--colour"}, QStringList{"mission.zdl"},
          QStringList{"--user-data", "/tmp", "extra"}}) {
        SCOPED_TRACE(options.join(' ').toStdString());
        ProgramCommandLine commandLine("test");
        EXPECT_FALSE(commandLine.Parse(QStringList{"zindrel"} + options));
        EXPECT_FALSE(commandLine.ErrorText().isEmpty());
    }
}

TEST(CommandLine, OnlyHelpAndVersionAreAnsweredWithoutADisplay) {
    auto asks = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "zindrel");
        return AsksOnlyForInformation(static_cast<int>(arguments.size()),
                                      const_cast<char**>(arguments.data()));
    };
    EXPECT_TRUE(asks({"--help"}));
    EXPECT_TRUE(asks({"--data", "x", "-v"}));
    EXPECT_FALSE(asks({}));
    EXPECT_FALSE(asks({"--data", "--help-me"}));
}

// Folders in a temporary directory: "beside" the program, "installed" data, the user's default.
class FolderChoice : public testing::Test {
protected:
    QString Folder(const QString& name, bool withData) {
        const QString path = root.filePath(name);
        QDir().mkpath(path);
        if (withData) {
            QDir().mkpath(path + "/Lang");
            QDir().mkpath(path + "/MissionPack/Rookie");
            if (!name.startsWith("no-english"))
                QFile(path + "/Lang/English.zdl").open(QIODevice::WriteOnly);
        }
        return QDir::cleanPath(path);
    }
    GameFolders Choose(const QStringList& options) {
        return ChooseFolders(*Parsed(options), candidates);
    }
    static std::filesystem::path P(const QString& path) { return path.toStdString(); }

    QTemporaryDir root;
    FolderCandidates candidates;
};

TEST_F(FolderChoice, APortableFolderIsBothWhileTheProgramsDataLieBesideIt) {
    candidates.beside = Folder("app", true);
    candidates.installed = {Folder("usr/share/zindrel", true)};
    candidates.userDefault = Folder("home/.local/share/Zindrel", false);
    const GameFolders folders = Choose({});
    EXPECT_EQ(folders.data, P(candidates.beside));
    EXPECT_EQ(folders.user, P(candidates.beside));
}

TEST_F(FolderChoice, AnInstalledGameReadsTheSharedDataAndWritesToTheUsersFolder) {
    candidates.beside = Folder("usr/bin", false);
    candidates.installed = {Folder("nothing/here", false), Folder("usr/share/zindrel", true)};
    candidates.userDefault = root.filePath("home/.local/share/Zindrel");
    GameFolders folders = Choose({});
    EXPECT_EQ(folders.data, P(candidates.installed[1]));
    EXPECT_EQ(folders.user, P(candidates.userDefault));

    // The command line may point the player's files elsewhere.
    folders = Choose({"--user-data", root.filePath("tmp/player")});
    EXPECT_EQ(folders.data, P(candidates.installed[1]));
    EXPECT_EQ(folders.user, P(root.filePath("tmp/player")));
}

TEST_F(FolderChoice, DataGivenOnTheCommandLineAreUsedAsAPortableFolder) {
    candidates.beside = Folder("app", true);
    candidates.userDefault = root.filePath("home/.local/share/Zindrel");
    const QString other = Folder("other", true);
    GameFolders folders = Choose({"--data", other});
    EXPECT_EQ(folders.data, P(other));
    EXPECT_EQ(folders.user, P(other));

    folders = Choose({"--data", other, "--user-data", root.filePath("mine")});
    EXPECT_EQ(folders.data, P(other));
    EXPECT_EQ(folders.user, P(root.filePath("mine")));
}

TEST_F(FolderChoice, AReadOnlyApplicationFolderKeepsThePlayersFilesInHisOwn) {
    candidates.beside = Folder("cdrom", true);
    candidates.userDefault = root.filePath("home/.local/share/Zindrel");
    QFile::setPermissions(candidates.beside, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(candidates.beside).isWritable()) {
        QFile::setPermissions(candidates.beside,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user can write to a read-only folder (root)";
    }
    const GameFolders folders = Choose({});
    QFile::setPermissions(candidates.beside,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(folders.data, P(candidates.beside));
    EXPECT_EQ(folders.user, P(candidates.userDefault));
}

// The player's folder follows the desktop's rule, and a variable without an absolute path is
// no folder at all.
TEST(UserDataFolder, FollowsXdgDataHomeThenHomeAndIgnoresRelativePaths) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data/share", "/home/p", "/data/share/Zindrel"},
        {"", "/home/p", "/home/p/.local/share/Zindrel"},
        {"share", "/home/p", "/home/p/.local/share/Zindrel"},
        {"./share", "home/p", ""},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserDataFolder(c.xdgDataHome, c.home), c.folder)
            << c.xdgDataHome << " | " << c.home;
}

TEST_F(FolderChoice, NoUsersFolderIsNoFolderAndDataWithoutTheGamesAreAProblem) {
    candidates.beside = Folder("usr/bin", false);
    candidates.installed = {Folder("usr/share/zindrel", true)};
    candidates.userDefault = "";
    EXPECT_TRUE(Choose({}).user.empty());
    // Given on the command line, the player's folder needs no default.
    EXPECT_EQ(Choose({"--user-data", root.filePath("mine")}).user, P(root.filePath("mine")));

    EXPECT_TRUE(DataFolderProblem(*Parsed({})).isEmpty());
    EXPECT_TRUE(DataFolderProblem(*Parsed({"--data", candidates.installed[0]})).isEmpty());
    const QString empty = Folder("empty", false);
    EXPECT_TRUE(DataFolderProblem(*Parsed({"--data", empty})).contains(empty));
    // Languages without the English one are no game data either.
    const QString noEnglish = Folder("no-english", true);
    EXPECT_FALSE(DataFolderProblem(*Parsed({"--data", noEnglish})).isEmpty());
}

}  // namespace
