// The disk as a file store: every call is the file routine of the same name.
#include "file_store.h"

#include <sys/stat.h>

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

std::optional<std::string> FileStore::ReadIfReadable(const fs::path& path) const {
    try {
        return Read(path);
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

namespace {

class DiskFileStore final : public FileStore {
public:
    fs::path Find(const fs::path& path) const override { return FindIgnoringCase(path); }
    std::string Read(const fs::path& path) const override {
        return LineReader::Open(path).TakeBytes();
    }
    std::string ReadStart(const fs::path& path, std::size_t count) const override {
        const fs::path file = FindIgnoringCase(path);
        std::error_code error;
        if (!fs::is_regular_file(file, error))
            throw FileReadError("no normal file: " + path.string());
        std::ifstream in(file, std::ios::binary);
        if (!in) throw FileReadError("cannot open " + path.string());
        std::string bytes(count, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }
    std::optional<FileVersion> VersionOf(const fs::path& path) const override {
        struct stat status {};
        if (::stat(FindIgnoringCase(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            return std::nullopt;
        return FileVersion{static_cast<std::uintmax_t>(status.st_size), status.st_mtim.tv_sec,
                           status.st_mtim.tv_nsec};
    }
    bool IsFile(const fs::path& path) const override { return FileExists(path); }
    bool IsFolder(const fs::path& path) const override {
        std::error_code error;
        return fs::is_directory(path, error);
    }
    bool Exists(const fs::path& path) const override {
        std::error_code error;
        return fs::exists(FindIgnoringCase(path), error);
    }
    std::vector<std::string> Folders(const fs::path& folder) const override {
        return ListFolders(folder);
    }
    std::vector<std::string> Files(const fs::path& folder,
                                   std::string_view extension) const override {
        return ListFiles(folder, extension);
    }
    bool Write(const fs::path& target, std::string_view bytes) override {
        return WriteFileAtomically(target, bytes);
    }
    bool IsKept(const fs::path& path) const override { return IsKeptFile(path); }
    bool Replace(const fs::path& finished, const fs::path& target) override {
        return ReplaceFile(finished, target);
    }
    void Remove(const fs::path& path) override {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    bool MakeFolders(const fs::path& folder) override {
        std::error_code error;
        fs::create_directories(folder, error);
        return !error;
    }
};

}  // namespace

FileStore& DiskFiles() {
    static DiskFileStore disk;
    return disk;
}
