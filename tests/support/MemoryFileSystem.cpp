// SPDX-License-Identifier: Apache-2.0
#include "support/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

#include "store/StoreError.h"

namespace orva::testsupport {

MemoryFileSystem::MemoryFileSystem(std::vector<std::string> folders, bool unnamedTemporaries)
    : unnamedTemporaries_(unnamedTemporaries) {
    folders_["/"];
    for (const std::string& folder : folders) folders_[folder];
}

void MemoryFileSystem::PowerCut(const std::string& writtenBack) {
    const int* kept = writtenBack.empty() ? nullptr : Find(writtenBack);
    for (auto& [number, file] : files_) {
        if (kept == nullptr || number != *kept) file.content = file.durable;
    }
    for (auto& [path, folder] : folders_) folder.names = folder.durable;
    handles_.clear();
    locks_.clear();
}

void MemoryFileSystem::Flush() {
    for (auto& [number, file] : files_) file.durable = file.content;
    for (auto& [path, folder] : folders_) folder.durable = folder.names;
}

bool MemoryFileSystem::Split(const std::string& path, std::string& folder, std::string& name) const {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return false;
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
    return folders_.count(folder) != 0;
}

const int* MemoryFileSystem::Find(const std::string& path) const {
    std::string folder;
    std::string name;
    if (!Split(path, folder, name)) return nullptr;
    const auto& names = folders_.at(folder).names;
    const auto found = names.find(name);
    return found == names.end() ? nullptr : &found->second;
}

MemoryFileSystem::OpenFile* MemoryFileSystem::Opened(Handle handle) {
    const auto found = handles_.find(handle);
    return found == handles_.end() ? nullptr : &found->second;
}

std::vector<unsigned char> MemoryFileSystem::Content(const std::string& path) const {
    const int* file = Find(path);
    return file == nullptr ? std::vector<unsigned char>{} : files_.at(*file).content;
}

bool MemoryFileSystem::Exists(const std::string& path) const {
    return Find(path) != nullptr;
}

void MemoryFileSystem::Put(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::string folder;
    std::string name;
    if (!Split(path, folder, name)) return;
    const int* existing = Find(path);
    const int number = existing != nullptr ? *existing : nextFile_++;
    files_[number] = {bytes, bytes};
    folders_[folder].names[name] = number;
    folders_[folder].durable[name] = number;
}

std::set<std::string> MemoryFileSystem::Names(const std::string& folder) const {
    std::set<std::string> names;
    const auto found = folders_.find(folder);
    if (found == folders_.end()) return names;
    for (const auto& [name, number] : found->second.names) names.insert(name);
    return names;
}

StoreResult<FileSystem::Handle> MemoryFileSystem::Open(const std::string& path, OpenMode mode, unsigned) {
    std::string folder;
    std::string name;
    if (!Split(path, folder, name) || name.empty() || folders_.count(path) != 0) return StoreError::BadPath;
    const int* existing = Find(path);
    int number = 0;
    if (mode == OpenMode::CreateNew) {
        if (existing != nullptr) return StoreError::FileExists;
        number = nextFile_++;
        files_[number];
        folders_[folder].names[name] = number;
    } else {
        if (existing == nullptr) return StoreError::FileNotFound;
        number = *existing;
    }
    const Handle handle = nextHandle_++;
    handles_[handle] = {number, mode != OpenMode::ReadOnly};
    return handle;
}

StoreStatus MemoryFileSystem::LockExclusive(Handle handle) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    const auto held = locks_.find(open->file);
    if (held != locks_.end() && held->second != handle) return StoreError::SharingViolation;
    locks_[open->file] = handle;
    return {};
}

StoreResult<long long> MemoryFileSystem::Size(Handle handle) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    return static_cast<long long>(files_[open->file].content.size());
}

StoreResult<long long> MemoryFileSystem::ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    if (offset < 0) return StoreError::BadSeek;
    const std::vector<unsigned char>& content = files_[open->file].content;
    if (static_cast<std::size_t>(offset) >= content.size()) return 0LL;
    const std::size_t n = std::min(size, content.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer, content.data() + offset, n);
    return static_cast<long long>(n);
}

StoreStatus MemoryFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr || !open->writable) return StoreError::InvalidFile;
    if (offset < 0) return StoreError::BadSeek;
    std::vector<unsigned char>& content = files_[open->file].content;
    const std::size_t end = static_cast<std::size_t>(offset) + size;
    if (end > content.size()) content.resize(end);
    std::memcpy(content.data() + offset, data, size);
    return {};
}

StoreStatus MemoryFileSystem::Truncate(Handle handle, long long length) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr || !open->writable) return StoreError::InvalidFile;
    files_[open->file].content.resize(static_cast<std::size_t>(length));
    return {};
}

StoreStatus MemoryFileSystem::Sync(Handle handle) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    File& file = files_[open->file];
    file.durable = file.content;
    return {};
}

StoreStatus MemoryFileSystem::Close(Handle handle) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    const auto held = locks_.find(open->file);
    if (held != locks_.end() && held->second == handle) locks_.erase(held);
    handles_.erase(handle);
    return {};
}

StoreStatus MemoryFileSystem::Remove(const std::string& path) {
    std::string folder;
    std::string name;
    if (!Split(path, folder, name)) return StoreError::BadPath;
    return folders_[folder].names.erase(name) != 0 ? StoreStatus() : StoreError::FileNotFound;
}

StoreStatus MemoryFileSystem::SyncDirectoryOf(const std::string& path) {
    std::string folder;
    std::string name;
    if (!Split(path, folder, name)) return StoreError::BadPath;
    folders_[folder].durable = folders_[folder].names;
    return {};
}

StoreResult<FileFacts> MemoryFileSystem::Facts(Handle handle) {
    const OpenFile* open = Opened(handle);
    if (open == nullptr) return StoreError::InvalidFile;
    FileFacts facts;
    facts.regularFile = true;
    facts.ownedByCurrentUser = true;
    facts.identity = {1, static_cast<std::uint64_t>(open->file)};
    return facts;
}

StoreResult<FileFacts> MemoryFileSystem::Facts(const std::string& path) {
    FileFacts facts;
    facts.ownedByCurrentUser = true;
    if (folders_.count(path) != 0) {
        facts.folder = true;
        return facts;
    }
    std::string folder;
    std::string name;
    if (!Split(path, folder, name)) return StoreError::BadPath;
    const int* file = Find(path);
    if (file == nullptr) return StoreError::FileNotFound;
    facts.regularFile = true;
    facts.identity = {1, static_cast<std::uint64_t>(*file)};
    return facts;
}

StoreStatus MemoryFileSystem::CreateFolder(const std::string& path) {
    std::string parent;
    std::string name;
    if (!Split(path, parent, name)) return StoreError::BadPath;
    folders_[path];
    return {};
}

StoreStatus MemoryFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    std::string fromFolder;
    std::string fromName;
    std::string toFolder;
    std::string toName;
    if (!Split(from, fromFolder, fromName) || !Split(to, toFolder, toName)) return StoreError::BadPath;
    const int* file = Find(from);
    if (file == nullptr) return StoreError::FileNotFound;
    if (!replace && Find(to) != nullptr) return StoreError::FileExists;
    const int number = *file;
    folders_[fromFolder].names.erase(fromName);
    folders_[toFolder].names[toName] = number;
    return {};
}

StoreResult<TemporaryFile> MemoryFileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions) {
    if (!unnamedTemporaries_) return FileSystem::CreateTemporary(besidePath, permissions);
    std::string folder;
    std::string name;
    if (!Split(besidePath, folder, name)) return StoreError::BadPath;
    const int number = nextFile_++;
    files_[number];
    const Handle handle = nextHandle_++;
    handles_[handle] = {number, true};
    return TemporaryFile{handle, {}};
}

StoreStatus MemoryFileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    if (!file.name.empty()) return FileSystem::Publish(file, path, replace);
    const OpenFile* open = Opened(file.handle);
    std::string folder;
    std::string name;
    if (open == nullptr) return StoreError::InvalidFile;
    if (!Split(path, folder, name)) return StoreError::BadPath;
    if (!replace && Find(path) != nullptr) return StoreError::FileExists;
    folders_[folder].names[name] = open->file;
    (void)Close(file.handle);  // a handle of its own: cannot fail
    file.handle = -1;
    return {};
}

}  // namespace orva::testsupport
