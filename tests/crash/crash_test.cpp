// Killing a writer at any moment leaves the complete old file or the complete new one, and a
// later save leaves no temporary file behind; a full disk or a read-only folder is reported and
// keeps the old file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "app/file_routines.h"
#include "crash_writers.h"
#include "harness/disk_faults.h"
#include "harness/test_game.h"

namespace {

namespace fs = std::filesystem;

// Starts the writer; with "forever" it returns once the first save is done.
pid_t StartWriter(const std::string& writer, const fs::path& folder, const char* how) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ready[1], STDOUT_FILENO);
        close(ready[0]);
        close(ready[1]);
        execl(ZINDREL_SAVE_WRITER, "save_writer", writer.c_str(), folder.c_str(), how, nullptr);
        _exit(127);
    }
    close(ready[1]);
    if (std::string(how) == "forever") {
        char byte = 0;
        while (read(ready[0], &byte, 1) < 0 && errno == EINTR) {
        }
    }
    close(ready[0]);
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Hidden temporary files the writer left in the target's folder.
std::vector<std::string> Temporaries(const fs::path& target) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(target.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("." + target.filename().string() + ".tmp-")) found.push_back(name);
    }
    return found;
}

int KillsPerWriter() {
    const char* wanted = std::getenv("ZINDREL_CRASH_KILLS");
    return wanted != nullptr ? std::max(1, std::atoi(wanted)) : 100;
}

class CrashTest : public testing::TestWithParam<CrashWriter> {};

TEST_P(CrashTest, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    const CrashWriter& writer = GetParam();
    TempAppFolder folder;
    PrepareCrashFolder(folder.Path());
    const fs::path target = folder.Path() / writer.file;
    const std::string versions[] = {writer.bytes(0), writer.bytes(1)};
    ASSERT_NE(versions[0], versions[1]);
    // Kills fall anywhere in the writer's first two cycles, however long they take in this build:
    // in its start-up, and in the saves that follow it (a start-up that is most of a cycle, as in
    // the sanitizer build, would otherwise leave few kills for the saves).
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(WaitFor(StartWriter(writer.name, folder.Path(), "once")), 0);
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(
                           std::chrono::steady_clock::now() - started)
                           .count();
    const auto window = static_cast<std::uint32_t>(std::max<std::int64_t>(10000, 2 * cycle));

    std::mt19937 random(std::random_device{}());
    const int kills = KillsPerWriter();
    int torn = 0, temporariesSeen = 0, made = 0;
    // Where a save is a small part of the writer's cycle (the sanitizer build), a hundred kills
    // may all miss it; then more follow, up to four times as many, until one lands in a save.
    for (; made < kills || (temporariesSeen == 0 && made < 4 * kills); ++made) {
        const pid_t pid = StartWriter(writer.name, folder.Path(), "forever");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window));
        ::kill(pid, SIGKILL);
        WaitFor(pid);
        const std::string now = folder.Read(writer.file);
        if (now != versions[0] && now != versions[1]) ++torn;
        bool midSave = !Temporaries(target).empty();
        for (const fs::path& before : writer.writtenBefore)
            midSave = midSave || !Temporaries(folder.Path() / before).empty();
        if (midSave) ++temporariesSeen;
    }
    EXPECT_EQ(torn, 0) << "of " << made << " kills";
    std::printf("%s: %d kills, %d of them in the middle of a save, %d torn files\n", writer.name,
                made, temporariesSeen, torn);
    // Some kills land in the middle of a save, or the test shows nothing.
    EXPECT_GT(temporariesSeen, 0);

    // The next save that succeeds removes what the killed ones left.
    ASSERT_EQ(WaitFor(StartWriter(writer.name, folder.Path(), "once")), 0);
    EXPECT_EQ(Temporaries(target), std::vector<std::string>{});
    for (const fs::path& before : writer.writtenBefore)
        EXPECT_EQ(Temporaries(folder.Path() / before), std::vector<std::string>{});
    EXPECT_EQ(folder.Read(writer.file), versions[0]);
}

TEST_P(CrashTest, AFullDiskOrAReadOnlyFolderIsReportedAndKeepsTheOldFile) {
    const CrashWriter& writer = GetParam();
    TempAppFolder folder;
    PrepareCrashFolder(folder.Path());
    ASSERT_TRUE(writer.save(folder.Path(), 0));
    {
        FullDisk full;
        EXPECT_FALSE(writer.save(folder.Path(), 1));
    }
    {
        ReadOnlyFolder readOnly((folder.Path() / writer.file).parent_path());
        EXPECT_FALSE(writer.save(folder.Path(), 1));
    }
    EXPECT_EQ(folder.Read(writer.file), writer.bytes(0));
    EXPECT_EQ(Temporaries(folder.Path() / writer.file), std::vector<std::string>{});
}

// A SAVE writes two files. Killed at any moment, it leaves LOAD one whole save, the old or the
// new, never the score of one and the files of the other.
TEST(SavedGamePair, AKilledSaveLeavesLoadOneWholeSave) {
    const CrashWriter& writer = *FindCrashWriter("savedgame");
    TempAppFolder folder;
    PrepareCrashFolder(folder.Path());
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(WaitFor(StartWriter(writer.name, folder.Path(), "once")), 0);
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(
                           std::chrono::steady_clock::now() - started)
                           .count();
    const auto window = static_cast<std::uint32_t>(std::max<std::int64_t>(10000, cycle));

    std::mt19937 random(std::random_device{}());
    const int kills = KillsPerWriter();
    int inside = 0, restored[2] = {0, 0}, refused = 0, mixed = 0;
    const fs::path pending = folder.Path() / "FileSystem/.neo-Packfs.zdl.next";
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t pid = StartWriter(writer.name, folder.Path(), "forever");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window));
        ::kill(pid, SIGKILL);
        WaitFor(pid);
        // Between the first file's start and the second's end the side file is there.
        if (fs::exists(pending) || !Temporaries(pending).empty()) ++inside;
        switch (const int version = LoadedVersion(folder.Path())) {
            case 0:
            case 1:
                ++restored[version];
                break;
            case -1:
                ++refused;
                break;
            default:
                ++mixed;
        }
    }
    EXPECT_EQ(mixed, 0) << "of " << kills << " kills";
    // Old and new can always be told apart, so LOAD never needs to refuse.
    EXPECT_EQ(refused, 0);
    EXPECT_GT(inside, 0);
    std::printf(
        "saved game and file system: %d kills, %d inside the pair; LOAD restored version 0 "
        "%d times, version 1 %d times, refused %d, mixed %d\n",
        kills, inside, restored[0], restored[1], refused, mixed);

    // With the saved game read-only every SAVE fails, and a kill at any moment of one leaves
    // both files of the kept pair as they were.
    const fs::path saved = folder.Path() / "Save/neo-Pack.zdl";
    const fs::path files = folder.Path() / "FileSystem/neo-Packfs.zdl";
    const int keptVersion = LoadedVersion(folder.Path());
    const auto keptSaved = ReadWholeFile(saved), keptFiles = ReadWholeFile(files);
    ASSERT_TRUE(keptSaved && keptFiles);
    fs::permissions(saved, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (int kill = 0; kill < kills / 10; ++kill) {
        const pid_t pid = StartWriter(writer.name, folder.Path(), "forever");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window));
        ::kill(pid, SIGKILL);
        WaitFor(pid);
        ASSERT_EQ(ReadWholeFile(saved), keptSaved) << "after kill " << kill;
        ASSERT_EQ(ReadWholeFile(files), keptFiles) << "after kill " << kill;
        ASSERT_EQ(LoadedVersion(folder.Path()), keptVersion) << "after kill " << kill;
    }
    fs::permissions(saved, fs::perms::owner_write, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(Writers, CrashTest, testing::ValuesIn(CrashWriters()),
                         [](const auto& writer) { return std::string(writer.param.name); });

}  // namespace
