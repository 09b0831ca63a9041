// The rule of which folder a file is read from and written to.
#include "game_folders.h"

#include <algorithm>
#include <system_error>

#include "file_routines.h"

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

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
    const fs::path own = FindIgnoringCase(user / relative);
    if (Exists(own)) return own;
    return FindIgnoringCase(data / relative);
}

fs::path GameFolders::ForWriting(const fs::path& relative) const {
    const fs::path target = user / relative;
    std::error_code ignored;
    fs::create_directories(target.parent_path(), ignored);
    return target;
}

bool GameFolders::IsUsers(const fs::path& relative) const {
    std::error_code error;
    return fs::is_directory(user / relative, error);
}

fs::path GameFolders::FolderOf(const fs::path& relative) const {
    return IsUsers(relative) ? user / relative : data / relative;
}

std::vector<std::string> GameFolders::ListFolders(const fs::path& relative) const {
    if (user == data) return ::ListFolders(user / relative);
    return Merge(::ListFolders(user / relative), ::ListFolders(data / relative));
}

std::vector<std::string> GameFolders::ListFiles(const fs::path& relative,
                                                std::string_view extension) const {
    if (user == data) return ::ListFiles(user / relative, extension);
    return Merge(::ListFiles(user / relative, extension), ::ListFiles(data / relative, extension));
}
