// SPDX-License-Identifier: Apache-2.0
#include "store/WindowsFileSystem.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "store/StoreError.h"
#include "store/TemporaryNames.h"

namespace orva {

namespace {

StoreError LastCause() {
    return CauseFromWindowsError(::GetLastError());
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

// The prefixes GetFinalPathNameByHandle puts before a drive letter or a network share.
std::wstring WithoutLongPathPrefix(std::wstring path) {
    const std::wstring network = L"\\\\?\\UNC\\";
    const std::wstring local = L"\\\\?\\";
    if (path.rfind(network, 0) == 0) return L"\\\\" + path.substr(network.size());
    if (path.rfind(local, 0) == 0) return path.substr(local.size());
    return path;
}

// Rights that let their holder change a file's content, who may change it, or a folder's files.
constexpr ACCESS_MASK kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD | WRITE_DAC |
                                      WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

bool IsOneOf(PSID sid, std::initializer_list<WELL_KNOWN_SID_TYPE> types) {
    for (WELL_KNOWN_SID_TYPE type : types) {
        if (::IsWellKnownSid(sid, type)) return true;
    }
    return false;
}

bool IsCurrentUser(PSID sid) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    // Kept in words so that the structure read into it is aligned.
    std::vector<unsigned long long> buffer(size / sizeof(unsigned long long) + 1);
    const bool known = ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size) != 0;
    ::CloseHandle(token);
    return known && ::EqualSid(sid, reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
}

void OwnerFacts(PSID owner, FileFacts& facts) {
    if (owner == nullptr) return;
    facts.ownedByAdministrator = IsOneOf(owner, {WinBuiltinAdministratorsSid, WinLocalSystemSid});
    facts.ownedByCurrentUser = IsCurrentUser(owner);
}

// Who besides the owner, the system and the administrators may change the object. Only the
// grants are read: a denial that would stop someone is not looked for, so the answer errs on
// the side of "others may write".
StoreStatus WritersFromAcl(PSID owner, PACL dacl, FileFacts& facts) {
    if (dacl == nullptr) {
        // No access list at all grants everyone everything.
        facts.othersMayWrite = true;
        facts.everyoneMayWrite = true;
        return {};
    }
    ACL_SIZE_INFORMATION size{};
    if (!::GetAclInformation(dacl, &size, sizeof size, AclSizeInformation)) return LastCause();
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* entry = nullptr;
        if (!::GetAce(dacl, i, &entry)) return LastCause();
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if ((allowed->Mask & kChangeRights) == 0) continue;
        PSID sid = static_cast<PSID>(&allowed->SidStart);
        if (owner != nullptr && ::EqualSid(sid, owner)) continue;
        if (IsOneOf(sid, {WinLocalSystemSid, WinBuiltinAdministratorsSid, WinCreatorOwnerSid})) continue;
        facts.othersMayWrite = true;
        if (IsOneOf(sid, {WinWorldSid, WinAuthenticatedUserSid, WinBuiltinUsersSid, WinInteractiveSid})) {
            facts.everyoneMayWrite = true;
        }
    }
    return {};
}

// GetSecurityInfo and GetNamedSecurityInfoW give their error as the result, not the last error.
StoreStatus WritersFromSecurity(DWORD status, PSECURITY_DESCRIPTOR descriptor, PSID owner, PACL dacl,
                                FileFacts& facts) {
    if (status != ERROR_SUCCESS) return CauseFromWindowsError(status);
    OwnerFacts(owner, facts);
    const StoreStatus result = WritersFromAcl(owner, dacl, facts);
    ::LocalFree(descriptor);
    return result;
}

constexpr SECURITY_INFORMATION kOwnerAndDacl = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

HANDLE OpenNative(const std::wstring& path, DWORD access, DWORD disposition) {
    // Share mode 0: nobody else may open the file while this handle is open.
    return ::CreateFileW(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A handle that only asks about the file (or folder): it reads and writes nothing, so it does
// not collide with anyone's share mode.
HANDLE OpenForQuestions(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& information) {
    return {information.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

}  // namespace

StoreError CauseFromWindowsError(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return StoreError::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_DIRECTORY:
        case ERROR_FILENAME_EXCED_RANGE:
            return StoreError::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES:
            return StoreError::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return StoreError::AccessDenied;
        case ERROR_INVALID_HANDLE:
            return StoreError::InvalidFile;
        case ERROR_CURRENT_DIRECTORY:
            return StoreError::RemoveCurrentDirectory;
        case ERROR_CANNOT_MAKE:
            return StoreError::DirectoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK:
        case ERROR_SEEK_ON_DEVICE:
            return StoreError::BadSeek;
        case ERROR_NOT_READY:
        case ERROR_CRC:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_IO_DEVICE:
            return StoreError::HardwareError;
        case ERROR_SHARING_VIOLATION:
            return StoreError::SharingViolation;
        case ERROR_LOCK_VIOLATION:
        case ERROR_DRIVE_LOCKED:
            return StoreError::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return StoreError::DiskFull;
        case ERROR_HANDLE_EOF:
            return StoreError::EndOfFile;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return StoreError::FileExists;
        default:
            return StoreError::FileGeneric;
    }
}

WindowsFileSystem::~WindowsFileSystem() {
    for (void* native : open_) {
        if (native != nullptr) ::CloseHandle(static_cast<HANDLE>(native));
    }
}

void* WindowsFileSystem::Native(Handle handle) const {
    if (handle < 0 || static_cast<std::size_t>(handle) >= open_.size()) return nullptr;
    return open_[static_cast<std::size_t>(handle)];
}

StoreResult<FileSystem::Handle> WindowsFileSystem::Open(const std::string& path, OpenMode mode, unsigned) {
    const std::wstring wide = Wide(path);
    HANDLE native = INVALID_HANDLE_VALUE;
    switch (mode) {
        case OpenMode::ReadOnly:
            native = OpenNative(wide, GENERIC_READ, OPEN_EXISTING);
            break;
        case OpenMode::ReadWrite:
            native = OpenNative(wide, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
            break;
        case OpenMode::CreateNew:
            native = OpenNative(wide, GENERIC_WRITE, CREATE_NEW);
            break;
    }
    if (native == INVALID_HANDLE_VALUE) return LastCause();
    if (::GetFileType(native) != FILE_TYPE_DISK) {
        ::CloseHandle(native);
        return StoreError::InvalidFile;
    }
    for (std::size_t i = 0; i < open_.size(); ++i) {
        if (open_[i] == nullptr) {
            open_[i] = native;
            return static_cast<Handle>(i);
        }
    }
    open_.push_back(native);
    return static_cast<Handle>(open_.size() - 1);
}

StoreStatus WindowsFileSystem::LockExclusive(Handle handle) {
    // The share mode of the open already keeps everyone else out.
    return Native(handle) != nullptr ? StoreStatus() : StoreError::InvalidFile;
}

StoreResult<long long> WindowsFileSystem::Size(Handle handle) {
    LARGE_INTEGER size{};
    if (Native(handle) == nullptr) return StoreError::InvalidFile;
    if (!::GetFileSizeEx(static_cast<HANDLE>(Native(handle)), &size)) return LastCause();
    return static_cast<long long>(size.QuadPart);
}

StoreResult<long long> WindowsFileSystem::ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at{};
        const unsigned long long position = static_cast<unsigned long long>(offset) + done;
        at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD read = 0;
        if (!::ReadFile(native, out + done, chunk, &read, &at)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) break;
            return LastCause();
        }
        if (read == 0) break;
        done += read;
    }
    return static_cast<long long>(done);
}

StoreStatus WindowsFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    const auto* in = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at{};
        const unsigned long long position = static_cast<unsigned long long>(offset) + done;
        at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(native, in + done, chunk, &written, &at)) return LastCause();
        if (written == 0) return StoreError::OtherFileError;
        done += written;
    }
    return {};
}

StoreStatus WindowsFileSystem::Truncate(Handle handle, long long length) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    LARGE_INTEGER to{};
    to.QuadPart = length;
    if (!::SetFilePointerEx(native, to, nullptr, FILE_BEGIN) || !::SetEndOfFile(native)) return LastCause();
    return {};
}

StoreStatus WindowsFileSystem::Sync(Handle handle) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    return ::FlushFileBuffers(native) ? StoreStatus() : LastCause();
}

StoreStatus WindowsFileSystem::Close(Handle handle) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    open_[static_cast<std::size_t>(handle)] = nullptr;
    return ::CloseHandle(native) ? StoreStatus() : LastCause();
}

StoreStatus WindowsFileSystem::Remove(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) ? StoreStatus() : LastCause();
}

// NTFS journals its directory entries; a new file's name needs no separate flush.
StoreStatus WindowsFileSystem::SyncDirectoryOf(const std::string&) {
    return {};
}

StoreResult<FileFacts> WindowsFileSystem::Facts(Handle handle) {
    HANDLE native = static_cast<HANDLE>(Native(handle));
    if (native == nullptr) return StoreError::InvalidFile;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(native, &information)) return LastCause();
    FileFacts found;
    found.folder = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    found.regularFile = !found.folder && (information.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
    found.identity = IdentityOf(information);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD status = ::GetSecurityInfo(native, SE_FILE_OBJECT, kOwnerAndDacl, &owner, nullptr, &dacl,
                                           nullptr, &descriptor);
    const StoreStatus result = WritersFromSecurity(status, descriptor, owner, dacl, found);
    if (!result) return result.Error();
    return found;
}

StoreResult<FileFacts> WindowsFileSystem::Facts(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastCause();
    FileFacts found;
    found.folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    found.symbolicLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    // A link may point anywhere: only a plain file counts as one.
    found.regularFile =
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    HANDLE asked = OpenForQuestions(wide);
    if (asked != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION information{};
        if (::GetFileInformationByHandle(asked, &information)) found.identity = IdentityOf(information);
        ::CloseHandle(asked);
    }
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD status = ::GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, kOwnerAndDacl, &owner, nullptr,
                                                 &dacl, nullptr, &descriptor);
    const StoreStatus result = WritersFromSecurity(status, descriptor, owner, dacl, found);
    if (!result) return result.Error();
    return found;
}

StoreStatus WindowsFileSystem::CreateFolder(const std::string& path) {
    if (::CreateDirectoryW(Wide(path).c_str(), nullptr)) return {};
    return ::GetLastError() == ERROR_ALREADY_EXISTS ? StoreStatus() : LastCause();
}

StoreStatus WindowsFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    const DWORD flags = (replace ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH;
    return ::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), flags) ? StoreStatus() : LastCause();
}

StoreResult<std::string> WindowsFileSystem::ResolvePath(const std::string& path) {
    const std::wstring wide = Wide(path);
    HANDLE file = OpenForQuestions(wide);
    if (file != INVALID_HANDLE_VALUE) {
        std::wstring buffer(32768, L'\0');
        const DWORD n = ::GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        const StoreStatus named = n == 0 || n >= buffer.size() ? StoreStatus(LastCause()) : StoreStatus();
        ::CloseHandle(file);
        if (!named) return named.Error();
        buffer.resize(n);
        return Utf8(WithoutLongPathPrefix(buffer));
    }
    if (::GetLastError() != ERROR_FILE_NOT_FOUND) return LastCause();
    // A missing file: its full path, for the folder it will be made in.
    std::wstring buffer(32768, L'\0');
    const DWORD n = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n == 0 || n >= buffer.size()) return LastCause();
    buffer.resize(n);
    return Utf8(buffer);
}

StoreResult<TemporaryFile> WindowsFileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions) {
    StoreResult<TemporaryFile> made = FileSystem::CreateTemporary(besidePath, permissions);
    if (made) TemporaryNames::Register(made->name);
    return made;
}

StoreStatus WindowsFileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    const std::string name = file.name;
    const StoreStatus published = FileSystem::Publish(file, path, replace);
    if (published) TemporaryNames::Unregister(name);
    return published;
}

void WindowsFileSystem::Discard(TemporaryFile& file) {
    const std::string name = file.name;
    FileSystem::Discard(file);
    TemporaryNames::Unregister(name);
}

FileSystem& DefaultFileSystem() {
    static WindowsFileSystem fileSystem;
    return fileSystem;
}

}  // namespace orva
