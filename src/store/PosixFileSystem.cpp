#include "store/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/StoreResult.h"

namespace orva {

namespace {

int LastCause() {
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
        case OpenMode::ReadWriteCreate:
            return common | O_RDWR | O_CREAT | O_EXCL;
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

// A missing file in an existing folder is not found; a missing folder makes the path wrong.
int MissingCause(const std::string& path) {
    struct stat info {};
    const bool folderThere = ::stat(DirectoryOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return folderThere ? kFileNotFound : kBadPath;
}

}  // namespace

int CauseFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EISDIR:
        case ENXIO:
        case ENODEV:
        case EINVAL:
            return kBadPath;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
            return kAccessDenied;
        case EBADF:
            return kInvalidFile;
        case EMLINK:
            return kDirectoryFull;
        case ESPIPE:
        case EOVERFLOW:
            return kBadSeek;
        case EIO:
            return kHardwareError;
        case EWOULDBLOCK:
        case EBUSY:
        case ETXTBSY:
            return kSharingViolation;
        case ENOLCK:
        case EDEADLK:
            return kLockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return kDiskFull;
        case EEXIST:
            return kFileExists;
        default:
            return kFileGeneric;
    }
}

int PosixFileSystem::Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle,
                          bool& created) {
    handle = -1;
    created = false;
    int fd = OpenOnce(path, OpenFlags(mode), permissions);
    if (fd >= 0) {
        created = mode == OpenMode::ReadWriteCreate || mode == OpenMode::CreateNew;
    } else if (mode == OpenMode::ReadWriteCreate && errno == EEXIST) {
        fd = OpenOnce(path, OpenFlags(OpenMode::ReadWrite), permissions);
        // Removed between the two calls: create it after all.
        if (fd < 0 && errno == ENOENT) {
            fd = OpenOnce(path, OpenFlags(mode), permissions);
            created = fd >= 0;
        }
    }
    if (fd < 0) return errno == ENOENT ? MissingCause(path) : LastCause();

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int cause = LastCause();
        ::close(fd);
        return cause;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? kBadPath : kInvalidFile;
    }
    // The permissions are the product's decision about who may see health data, so a loose or
    // tight umask does not change them.
    if (created && ::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
        const int cause = LastCause();
        ::unlink(path.c_str());
        ::close(fd);
        return cause;
    }
    handle = fd;
    return kStoreOk;
}

int PosixFileSystem::LockExclusive(Handle handle) {
    int result = 0;
    do {
        result = ::flock(handle, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? kStoreOk : LastCause();
}

long long PosixFileSystem::Size(Handle handle) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return LastCause();
    return static_cast<long long>(info.st_size);
}

long long PosixFileSystem::ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) {
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

int PosixFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    const auto* in = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(handle, in + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastCause();
        }
        if (n == 0) return kOtherFileError;
        done += static_cast<std::size_t>(n);
    }
    return kStoreOk;
}

int PosixFileSystem::Truncate(Handle handle, long long length) {
    int result = 0;
    do {
        result = ::ftruncate(handle, static_cast<off_t>(length));
    } while (result != 0 && errno == EINTR);
    return result == 0 ? kStoreOk : LastCause();
}

int PosixFileSystem::Sync(Handle handle) {
    return ::fsync(handle) == 0 ? kStoreOk : LastCause();
}

int PosixFileSystem::Close(Handle handle) {
    return ::close(handle) == 0 ? kStoreOk : LastCause();
}

int PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? kStoreOk : LastCause();
}

int PosixFileSystem::SyncDirectoryOf(const std::string& path) {
    const int fd = OpenOnce(DirectoryOf(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return LastCause();
    // Some file systems cannot sync a directory; their names are as durable as they get.
    const int result = (::fsync(fd) == 0 || errno == EINVAL || errno == EROFS) ? kStoreOk : LastCause();
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
    return facts;
}

}  // namespace

int PosixFileSystem::Facts(Handle handle, FileFacts& facts) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return LastCause();
    facts = FactsOf(info);
    return kStoreOk;
}

int PosixFileSystem::Facts(const std::string& path, FileFacts& facts) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? MissingCause(path) : LastCause();
    facts = FactsOf(info);
    return kStoreOk;
}

int PosixFileSystem::CreateFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST ? kStoreOk : LastCause();
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? kStoreOk : LastCause();
}

FileSystem& DefaultFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace orva
