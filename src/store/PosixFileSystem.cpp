// SPDX-License-Identifier: Apache-2.0
#include "store/PosixFileSystem.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "store/StoreError.h"
#include "store/TemporaryNames.h"

namespace orva {

namespace {

StoreError LastCause() {
    return CauseFromErrno(errno);
}

int OpenFlags(OpenMode mode) {
    // O_NONBLOCK keeps a FIFO or device named by mistake from hanging the open; it changes
    // nothing for regular files.
    const int common = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (mode) {
        case OpenMode::ReadOnly:
            return common | O_RDONLY;
        case OpenMode::ReadWrite:
            return common | O_RDWR;
        case OpenMode::CreateNew:
            return common | O_WRONLY | O_CREAT | O_EXCL;
    }
    return common | O_RDONLY;
}

int OpenOnce(const std::string& path, int flags, unsigned permissions) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags, static_cast<mode_t>(permissions));
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A missing file in an existing folder is not found; a missing folder makes the path wrong.
StoreError MissingCause(const std::string& path) {
    struct stat info {};
    const bool folderThere = ::stat(DirectoryOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return folderThere ? StoreError::FileNotFound : StoreError::BadPath;
}

}  // namespace

StoreError CauseFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return StoreError::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EISDIR:
        case ENXIO:
        case ENODEV:
        case EINVAL:
            return StoreError::BadPath;
        case EMFILE:
        case ENFILE:
            return StoreError::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
            return StoreError::AccessDenied;
        case EBADF:
            return StoreError::InvalidFile;
        case EMLINK:
            return StoreError::DirectoryFull;
        case ESPIPE:
        case EOVERFLOW:
            return StoreError::BadSeek;
        case EIO:
            return StoreError::HardwareError;
        case EWOULDBLOCK:
        case EBUSY:
        case ETXTBSY:
            return StoreError::SharingViolation;
        case ENOLCK:
        case EDEADLK:
            return StoreError::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return StoreError::DiskFull;
        case EEXIST:
            return StoreError::FileExists;
        default:
            return StoreError::FileGeneric;
    }
}

PosixFileSystem::PosixFileSystem(bool unnamedTemporaries) : unnamedTemporaries_(unnamedTemporaries) {}

StoreResult<FileSystem::Handle> PosixFileSystem::Open(const std::string& path, OpenMode mode, unsigned permissions) {
    const int fd = OpenOnce(path, OpenFlags(mode), permissions);
    if (fd < 0) return errno == ENOENT ? MissingCause(path) : LastCause();

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const StoreError cause = LastCause();
        ::close(fd);
        return cause;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? StoreError::BadPath : StoreError::InvalidFile;
    }
    // The permissions are the product's decision about who may see health data, so a loose or
    // tight umask does not change them.
    if (mode == OpenMode::CreateNew && ::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
        const StoreError cause = LastCause();
        ::unlink(path.c_str());
        ::close(fd);
        return cause;
    }
    return fd;
}

StoreStatus PosixFileSystem::LockExclusive(Handle handle) {
    int result = 0;
    do {
        result = ::flock(handle, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? StoreStatus() : LastCause();
}

StoreResult<long long> PosixFileSystem::Size(Handle handle) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return LastCause();
    return static_cast<long long>(info.st_size);
}

StoreResult<long long> PosixFileSystem::ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) {
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(handle, out + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastCause();
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

StoreStatus PosixFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    const auto* in = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(handle, in + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastCause();
        }
        if (n == 0) return StoreError::OtherFileError;
        done += static_cast<std::size_t>(n);
    }
    return {};
}

StoreStatus PosixFileSystem::Truncate(Handle handle, long long length) {
    int result = 0;
    do {
        result = ::ftruncate(handle, static_cast<off_t>(length));
    } while (result != 0 && errno == EINTR);
    return result == 0 ? StoreStatus() : LastCause();
}

StoreStatus PosixFileSystem::Sync(Handle handle) {
    return ::fsync(handle) == 0 ? StoreStatus() : LastCause();
}

StoreStatus PosixFileSystem::Close(Handle handle) {
    return ::close(handle) == 0 ? StoreStatus() : LastCause();
}

StoreStatus PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? StoreStatus() : LastCause();
}

StoreStatus PosixFileSystem::SyncDirectoryOf(const std::string& path) {
    const int fd = OpenOnce(DirectoryOf(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return LastCause();
    // Some file systems cannot sync a directory; their names are as durable as they get.
    const StoreStatus result = (::fsync(fd) == 0 || errno == EINVAL || errno == EROFS) ? StoreStatus() : LastCause();
    ::close(fd);
    return result;
}

namespace {

FileFacts FactsOf(const struct stat& info) {
    FileFacts facts;
    facts.regularFile = S_ISREG(info.st_mode);
    facts.folder = S_ISDIR(info.st_mode);
    facts.othersMayWrite = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    facts.everyoneMayWrite = (info.st_mode & S_IWOTH) != 0;
    facts.othersOnlyAddNames = facts.folder && (info.st_mode & S_ISVTX) != 0;
    facts.ownedByAdministrator = info.st_uid == 0;
    facts.ownedByCurrentUser = info.st_uid == ::geteuid();
    facts.identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    return facts;
}

}  // namespace

StoreResult<FileFacts> PosixFileSystem::Facts(Handle handle) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return LastCause();
    return FactsOf(info);
}

StoreResult<FileFacts> PosixFileSystem::Facts(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? MissingCause(path) : LastCause();
    FileFacts facts = FactsOf(info);
    struct stat name {};
    facts.symbolicLink = ::lstat(path.c_str(), &name) == 0 && S_ISLNK(name.st_mode);
    return facts;
}

StoreStatus PosixFileSystem::CreateFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST ? StoreStatus() : LastCause();
}

StoreStatus PosixFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    if (replace) return ::rename(from.c_str(), to.c_str()) == 0 ? StoreStatus() : LastCause();
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno != EINVAL && errno != ENOSYS) return LastCause();
    // A file system without that kind of rename: a second name claims the target just as surely.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return {};
    }
    if (errno != EPERM && errno != EOPNOTSUPP) return LastCause();
    // Nor with links (FAT): the last resort looks before it renames.
    struct stat there {};
    if (::lstat(to.c_str(), &there) == 0) return StoreError::FileExists;
    return ::rename(from.c_str(), to.c_str()) == 0 ? StoreStatus() : LastCause();
}

StoreResult<std::string> PosixFileSystem::ResolvePath(const std::string& path) {
    constexpr int kMostLinks = 40;
    std::string current = path;
    for (int link = 0; link < kMostLinks; ++link) {
        char buffer[PATH_MAX];
        if (::realpath(current.c_str(), buffer) != nullptr) return std::string(buffer);
        if (errno != ENOENT) return LastCause();
        // A link to a file not made yet leads to where that file will be.
        struct stat name {};
        if (::lstat(current.c_str(), &name) == 0 && S_ISLNK(name.st_mode)) {
            const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
            if (n < 0) return LastCause();
            const std::string target(buffer, static_cast<std::size_t>(n));
            current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
            continue;
        }
        // A missing file: found through its folder.
        if (::realpath(DirectoryOf(current).c_str(), buffer) == nullptr) {
            return errno == ENOENT || errno == ENOTDIR ? StoreError::BadPath : LastCause();
        }
        const std::string folder = buffer;
        return folder + (folder.back() == '/' ? "" : "/") + NameOf(current);
    }
    return StoreError::BadPath;
}

namespace {

// An unnamed file is named through its entry under /proc, which needs no special privilege.
bool CanNameUnnamedFiles() {
    static const bool procThere = ::access("/proc/self/fd", X_OK) == 0;
    return procThere;
}

std::string ProcName(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

StoreStatus LinkUnnamed(int fd, const std::string& path) {
    return ::linkat(AT_FDCWD, ProcName(fd).c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ? StoreStatus()
                                                                                                 : LastCause();
}

}  // namespace

StoreResult<TemporaryFile> PosixFileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions) {
    if (unnamedTemporaries_ && CanNameUnnamedFiles()) {
        const int fd = OpenOnce(DirectoryOf(besidePath), O_TMPFILE | O_RDWR | O_CLOEXEC, permissions);
        if (fd >= 0) {
            if (::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
                const StoreError cause = LastCause();
                ::close(fd);
                return cause;
            }
            return TemporaryFile{fd, {}};
        }
        // Kernels and file systems without unnamed files say so in one of these ways.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return errno == ENOENT || errno == ENOTDIR ? StoreError::BadPath : LastCause();
        }
    }
    StoreResult<TemporaryFile> made = FileSystem::CreateTemporary(besidePath, permissions);
    if (made) TemporaryNames::Register(made->name);
    return made;
}

StoreStatus PosixFileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    if (!file.name.empty()) {
        const std::string name = file.name;
        const StoreStatus published = FileSystem::Publish(file, path, replace);
        if (published) TemporaryNames::Unregister(name);
        return published;
    }
    StoreStatus result = LinkUnnamed(file.handle, path);
    if (!result && result.Error() == StoreError::FileExists && replace) {
        // A link cannot replace a file: the complete file gets a name of its own for the moment
        // it takes to rename it over the old one.
        const std::string name = TemporaryNames::NameBeside(path);
        TemporaryNames::Register(name);
        result = LinkUnnamed(file.handle, name);
        if (result) {
            result = Rename(name, path, true);
            if (!result) ::unlink(name.c_str());
        }
        TemporaryNames::Unregister(name);
    }
    if (!result) return result;
    ::close(file.handle);
    file.handle = -1;
    return {};
}

void PosixFileSystem::Discard(TemporaryFile& file) {
    const std::string name = file.name;
    FileSystem::Discard(file);
    if (!name.empty()) TemporaryNames::Unregister(name);
}

FileSystem& DefaultFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace orva
