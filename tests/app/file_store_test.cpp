// The folder in memory keeps the disk's rules: every case runs against both, so what a test or a
// fuzz target lays into memory is read exactly as the game reads it from the disk.
#include "app/file_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>

#include "app/memory_file_store.h"
#include "harness/test_game.h"

namespace fs = std::filesystem;

namespace {

enum class StoreKind { kDisk, kMemory };

class FileStoreTest : public testing::TestWithParam<StoreKind> {
protected:
    FileStoreTest() : folder_(GetParam() == StoreKind::kMemory ? &memory_ : nullptr) {}

    FileStore& Files() { return folder_.Files(); }
    fs::path At(const fs::path& relative) const { return folder_.Path() / relative; }
    void Lay(const fs::path& relative, std::string_view bytes) { folder_.Write(relative, bytes); }
    void MakeFolder(const fs::path& relative) { Files().MakeFolders(At(relative)); }
    void Keep(const fs::path& relative) {
        if (GetParam() == StoreKind::kMemory)
            memory_.Keep(At(relative));
        else
            ::chmod(At(relative).c_str(), 0444);
    }

private:
    MemoryFileStore memory_;
    TempAppFolder folder_;
};

TEST_P(FileStoreTest, NamesAreFoundWithoutRegardToCaseAndTheExactNameFirst) {
    Lay("Pack/M1.ZDL", "one");
    Lay("Pack/b.ZDL", "lower");
    Lay("Pack/B.zdl", "upper");
    EXPECT_EQ(Files().Find(At("Pack/m1.zdl")), At("Pack/M1.ZDL"));
    EXPECT_EQ(Files().Read(At("Pack/m1.zdl")), "one");
    EXPECT_TRUE(Files().IsFile(At("Pack/m1.Zdl")));
    EXPECT_TRUE(Files().Exists(At("Pack/m1.zdl")));
    EXPECT_EQ(Files().Read(At("Pack/b.ZDL")), "lower");
    // Neither is the name asked for: the first in name order is.
    EXPECT_EQ(Files().Find(At("Pack/b.zdl")), At("Pack/B.zdl"));
    EXPECT_EQ(Files().Find(At("Pack/m2.zdl")), At("Pack/m2.zdl"));
    EXPECT_FALSE(Files().Exists(At("Pack/m2.zdl")));
    EXPECT_THROW(Files().Read(At("Pack/m2.zdl")), FileReadError);
    EXPECT_FALSE(Files().ReadIfReadable(At("Pack")).has_value());
    EXPECT_TRUE(Files().IsFolder(At("Pack")));
    EXPECT_FALSE(Files().IsFolder(At("Pack/M1.ZDL")));
}

TEST_P(FileStoreTest, ListsLeaveHiddenEntriesOutAndComeSortedWithoutRegardToCase) {
    Lay("Packs/b.zdl", "");
    Lay("Packs/A.ZDL", "");
    Lay("Packs/.hidden.zdl", "");
    Lay("Packs/notes.txt", "");
    Lay("Packs/Rookie/m1.zdl", "");
    MakeFolder("Packs/.git");
    MakeFolder("Packs/apprentice");
    EXPECT_EQ(Files().Files(At("Packs"), ".zdl"), (std::vector<std::string>{"A.ZDL", "b.zdl"}));
    EXPECT_EQ(Files().Files(At("Packs"), ".ZDL").size(), 2u);
    EXPECT_EQ(Files().Folders(At("Packs")), (std::vector<std::string>{"apprentice", "Rookie"}));
    EXPECT_TRUE(Files().Folders(At("Missing")).empty());
    // Wildcards match normal files only, and a hidden file is none.
    EXPECT_TRUE(Files().IsFile(At("Packs/*.zdl")));
    EXPECT_TRUE(Files().IsFile(At("Packs/?.zdl")));
    EXPECT_FALSE(Files().IsFile(At("Packs/.h*")));
    EXPECT_FALSE(Files().IsFile(At("Packs/.hidden.zdl")));
    EXPECT_FALSE(Files().IsFile(At("Packs/*.wav")));
    EXPECT_FALSE(Files().IsFile(At("Packs/Rook*")));
}

TEST_P(FileStoreTest, AFilePastTheSizeLimitIsUnreadableButItsStartIsThere) {
    Lay("big.wav", std::string(kMaxFileBytes + 1, 'x'));
    Lay("edge.zdl", std::string(kMaxFileBytes, 'y'));
    EXPECT_THROW(Files().Read(At("big.wav")), FileReadError);
    EXPECT_EQ(Files().ReadStart(At("BIG.WAV"), 4), "xxxx");
    EXPECT_EQ(Files().VersionOf(At("big.wav"))->size, kMaxFileBytes + 1);
    EXPECT_EQ(Files().Read(At("edge.zdl")).size(), kMaxFileBytes);
    EXPECT_EQ(Files().ReadStart(At("edge.zdl"), kMaxFileBytes + 10).size(), kMaxFileBytes);
    EXPECT_THROW(Files().ReadStart(At("none.wav"), 4), FileReadError);
    EXPECT_FALSE(Files().VersionOf(At("none.wav")).has_value());
}

TEST_P(FileStoreTest, AWriteReplacesTheFileOfAnyCaseOrNothing) {
    Lay("Save/NEO-PACK.ZDL", "old");
    const FileVersion before = *Files().VersionOf(At("Save/neo-pack.zdl"));
    ASSERT_TRUE(Files().Write(At("Save/neo-Pack.zdl"), "newer"));
    EXPECT_EQ(Files().Files(At("Save"), ".zdl"), std::vector<std::string>{"NEO-PACK.ZDL"});
    EXPECT_EQ(Files().Read(At("Save/NEO-PACK.ZDL")), "newer");
    EXPECT_NE(*Files().VersionOf(At("Save/NEO-PACK.ZDL")), before);

    // No folder to write into, a folder in the way, a kept file: false, and nothing changes.
    EXPECT_FALSE(Files().Write(At("Missing/a.zdl"), "x"));
    EXPECT_FALSE(Files().Exists(At("Missing")));
    EXPECT_FALSE(Files().Write(At("Save"), "x"));
    EXPECT_TRUE(Files().IsKept(At("Save")));
    EXPECT_FALSE(Files().IsKept(At("Save/neo-pack.zdl")));
    Keep("Save/NEO-PACK.ZDL");
    EXPECT_TRUE(Files().IsKept(At("Save/neo-pack.zdl")));
    EXPECT_FALSE(Files().Write(At("Save/neo-pack.zdl"), "lost"));
    EXPECT_EQ(Files().Read(At("Save/NEO-PACK.ZDL")), "newer");
    EXPECT_FALSE(Files().IsKept(At("Save/other.zdl")));

    ASSERT_TRUE(Files().MakeFolders(At("New/Deeper")));
    EXPECT_TRUE(Files().Write(At("New/Deeper/a.zdl"), "a"));
    EXPECT_EQ(Files().Folders(At("New")), std::vector<std::string>{"Deeper"});
}

TEST_P(FileStoreTest, AFinishedFileTakesTheTargetsPlaceAndRemovedFilesAreGone) {
    Lay("FileSystem/NEO-PACKfs.zdl", "old");
    Lay("FileSystem/.neo-Packfs.zdl.next", "new");
    ASSERT_TRUE(
        Files().Replace(At("FileSystem/.neo-Packfs.zdl.next"), At("FileSystem/neo-Packfs.zdl")));
    EXPECT_EQ(Files().Read(At("FileSystem/NEO-PACKfs.zdl")), "new");
    EXPECT_FALSE(Files().Exists(At("FileSystem/.neo-Packfs.zdl.next")));
    EXPECT_FALSE(Files().Replace(At("FileSystem/.gone"), At("FileSystem/neo-Packfs.zdl")));
    EXPECT_EQ(Files().Read(At("FileSystem/NEO-PACKfs.zdl")), "new");

    Files().Remove(At("FileSystem/NEO-PACKfs.zdl"));
    EXPECT_FALSE(Files().IsFile(At("FileSystem/neo-packfs.zdl")));
    Files().Remove(At("FileSystem/NEO-PACKfs.zdl"));
    EXPECT_TRUE(Files().IsFolder(At("FileSystem")));
}

INSTANTIATE_TEST_SUITE_P(Stores, FileStoreTest,
                         testing::Values(StoreKind::kDisk, StoreKind::kMemory),
                         [](const testing::TestParamInfo<StoreKind>& kind) {
                             return kind.param == StoreKind::kDisk ? "Disk" : "Memory";
                         });

}  // namespace
