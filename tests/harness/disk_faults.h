// Disk faults a test can cause whoever runs it, root included: a full disk (a file-size limit on
// this process, so every write fails as on a full disk) and a read-only folder (its write bits
// off, and for root the file-system identity of an ordinary user, so they count).
#pragma once

#include <signal.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

class FullDisk {
public:
    // Room for that many bytes in a file, no more: with some room a file is cut halfway.
    explicit FullDisk(rlim_t room = 0) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = room;
        setrlimit(RLIMIT_FSIZE, &limit);
        // Past the limit the system sends a signal that would end the test; the write then just
        // fails, as it does on a full disk.
        savedSignal_ = signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, savedSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    sighandler_t savedSignal_ = SIG_DFL;
};

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::permissions(folder_,
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        if (geteuid() == 0) setfsuid(65534);
    }
    ~ReadOnlyFolder() {
        if (geteuid() == 0) setfsuid(0);
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
};
