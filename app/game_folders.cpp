// The rule of which folder a file is read from and written to.
#include "game_folders.h"

#include <algorithm>

#include "file_routines.h"

namespace fs = std::filesystem;

namespace {

// Both lists come sorted; an equal name is listed once.
std::vector<std::string> Merge(std::vector<std::string> users,
                               const std::vector<std::string>& data) {
    for (const std::string& name : data)
        if (std::find(users.begin(), users.end(), name) == users.end()) users.push_back(name);
    std::stable_sort(users.begin(), users.end(), [](const std::string& a, const std::string& b) {
        return UpperAscii(a) < UpperAscii(b);
    });
    return users;
}

}  // namespace

fs::path GameFolders::Find(const fs::path& relative) const {
    const fs::path own = store->Find(user / relative);
    if (user == data) return own;
    if (store->Exists(own)) return own;
    return store->Find(data / relative);
}

fs::path GameFolders::ForWriting(const fs::path& relative) const {
    const fs::path target = user / relative;
    store->MakeFolders(target.parent_path());
    return target;
}

bool GameFolders::IsUsers(const fs::path& relative) const {
    return store->IsFolder(user / relative);
}

fs::path GameFolders::FolderOf(const fs::path& relative) const {
    return IsUsers(relative) ? user / relative : data / relative;
}

std::vector<std::string> GameFolders::ListFolders(const fs::path& relative) const {
    if (user == data) return store->Folders(user / relative);
    return Merge(store->Folders(user / relative), store->Folders(data / relative));
}

std::vector<std::string> GameFolders::ListFiles(const fs::path& relative,
                                                std::string_view extension) const {
    if (user == data) return store->Files(user / relative, extension);
    return Merge(store->Files(user / relative, extension), store->Files(data / relative, extension));
}
