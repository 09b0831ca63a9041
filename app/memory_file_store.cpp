// The folder tree in memory.
#include "memory_file_store.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

bool Hidden(const std::string& name) {
    return name.empty() || name[0] == '.';
}

void SortAsListed(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperAscii(a) < UpperAscii(b);
    });
}

std::string ParentKey(const std::string& key) {
    const std::size_t slash = key.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : key.substr(0, slash);
}

std::string NameOf(const std::string& key) {
    const std::size_t slash = key.rfind('/');
    return slash == std::string::npos ? key : key.substr(slash + 1);
}

}  // namespace

std::string MemoryFileStore::Key(const fs::path& path) {
    const std::string& written = path.native();
    // Most paths the game builds are clean already; only the others pay for normalising.
    const bool clean = !written.empty() && written.find("//") == std::string::npos &&
                       written.find("/.") == std::string::npos && !written.starts_with(".") &&
                       written.back() != '/';
    if (clean) return written;
    std::string key = path.lexically_normal().generic_string();
    while (key.size() > 1 && key.back() == '/') key.pop_back();
    return key == "." ? "" : key;
}

bool MemoryFileStore::HasFolder(const std::string& key) const {
    return key.empty() || key == "/" || folders_.count(key) > 0;
}

std::vector<std::string> MemoryFileStore::Children(const std::string& folder, bool folders) const {
    // Both sets are sorted, so a folder's entries lie together, right after its own name.
    const std::string prefix = folder.empty() ? "" : folder == "/" ? "/" : folder + "/";
    std::vector<std::string> names;
    auto collect = [&](const auto& keys, auto keyOf) {
        for (auto it = keys.lower_bound(prefix); it != keys.end(); ++it) {
            const std::string& key = keyOf(*it);
            if (!key.starts_with(prefix)) break;
            if (key.size() > prefix.size() && key.find('/', prefix.size()) == std::string::npos)
                names.push_back(key.substr(prefix.size()));
        }
    };
    if (folders) {
        collect(folders_, [](const std::string& key) -> const std::string& { return key; });
    } else {
        collect(files_, [](const auto& entry) -> const std::string& { return entry.first; });
    }
    return names;
}

void MemoryFileStore::Put(const fs::path& path, std::string_view bytes) {
    const std::string key = Key(path);
    MakeFolders(ParentKey(key));
    files_[key] = File{std::string(bytes), ++writes_};
}

std::optional<std::string> MemoryFileStore::Get(const fs::path& path) const {
    const auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

fs::path MemoryFileStore::Find(const fs::path& path) const {
    const std::string key = Key(path);
    if (!path.has_filename() || files_.count(key) > 0 || HasFolder(key)) return path;
    const std::string folder = ParentKey(key);
    const std::string wanted = UpperAscii(NameOf(key));
    std::string best;
    for (bool folders : {false, true})
        for (const std::string& name : Children(folder, folders))
            if (UpperAscii(name) == wanted && (best.empty() || name < best)) best = name;
    return best.empty() ? path : path.parent_path() / best;
}

const MemoryFileStore::File* MemoryFileStore::FileAt(const fs::path& path) const {
    auto found = files_.find(Key(path));
    if (found == files_.end()) found = files_.find(Key(Find(path)));
    return found == files_.end() ? nullptr : &found->second;
}

std::string MemoryFileStore::Read(const fs::path& path) const {
    const File* file = FileAt(path);
    if (!file) throw FileReadError("not a readable file: " + path.string());
    if (file->bytes.size() > kMaxFileBytes)
        throw FileReadError("too large to read: " + path.string());
    return file->bytes;
}

std::string MemoryFileStore::ReadStart(const fs::path& path, std::size_t count) const {
    const File* file = FileAt(path);
    if (!file) throw FileReadError("not a readable file: " + path.string());
    return file->bytes.substr(0, count);
}

std::optional<FileVersion> MemoryFileStore::VersionOf(const fs::path& path) const {
    const File* file = FileAt(path);
    if (!file) return std::nullopt;
    return FileVersion{file->bytes.size(), file->version, 0};
}

bool MemoryFileStore::IsFile(const fs::path& path) const {
    const std::string pattern = path.filename().string();
    if (pattern.find_first_of("*?") == std::string::npos) {
        const std::string key = Key(Find(path));
        return files_.count(key) > 0 && !Hidden(NameOf(key));
    }
    for (const std::string& name : Children(ParentKey(Key(path)), false))
        if (!Hidden(name) && MatchesWildcard(pattern, name)) return true;
    return false;
}

bool MemoryFileStore::IsFolder(const fs::path& path) const {
    return HasFolder(Key(path));
}

bool MemoryFileStore::Exists(const fs::path& path) const {
    const std::string key = Key(Find(path));
    return files_.count(key) > 0 || HasFolder(key);
}

std::vector<std::string> MemoryFileStore::Folders(const fs::path& folder) const {
    std::vector<std::string> names = Children(Key(folder), true);
    names.erase(std::remove_if(names.begin(), names.end(), Hidden), names.end());
    SortAsListed(names);
    return names;
}

std::vector<std::string> MemoryFileStore::Files(const fs::path& folder,
                                                std::string_view extension) const {
    const std::string wanted = UpperAscii(extension);
    std::vector<std::string> names;
    for (const std::string& name : Children(Key(folder), false))
        if (!Hidden(name) && name.size() >= wanted.size() &&
            UpperAscii(std::string_view(name).substr(name.size() - wanted.size())) == wanted)
            names.push_back(name);
    SortAsListed(names);
    return names;
}

bool MemoryFileStore::Write(const fs::path& target, std::string_view bytes) {
    const std::string key = Key(Find(target));
    if (IsKept(target) || !HasFolder(ParentKey(key)) || NameOf(key).empty()) return false;
    files_[key] = File{std::string(bytes), ++writes_};
    return true;
}

bool MemoryFileStore::IsKept(const fs::path& path) const {
    const std::string key = Key(Find(path));
    // A folder is no file to replace, as on the disk.
    return kept_.count(key) > 0 || (HasFolder(key) && files_.count(key) == 0 && !key.empty());
}

bool MemoryFileStore::Replace(const fs::path& finished, const fs::path& target) {
    const auto from = files_.find(Key(finished));
    const std::string to = Key(Find(target));
    if (from == files_.end() || !HasFolder(ParentKey(to)) || HasFolder(to)) return false;
    File file = std::move(from->second);
    files_.erase(from);
    file.version = ++writes_;
    files_[to] = std::move(file);
    return true;
}

void MemoryFileStore::Remove(const fs::path& path) {
    files_.erase(Key(path));
}

bool MemoryFileStore::MakeFolders(const fs::path& folder) {
    std::string key = Key(folder);
    while (!key.empty() && key != "/") {
        if (files_.count(key) > 0) return false;
        folders_.insert(key);
        key = ParentKey(key);
    }
    return true;
}
