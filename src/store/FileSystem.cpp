#include "store/FileSystem.h"

#include "store/StoreResult.h"

namespace orva {

// File systems made for tests need only the operations on record files; these answer that
// they cannot tell or do it, which the callers take as a failure.
int FileSystem::Facts(Handle, FileFacts&) { return kOtherFileError; }
int FileSystem::Facts(const std::string&, FileFacts&) { return kOtherFileError; }
int FileSystem::CreateFolder(const std::string&) { return kOtherFileError; }
int FileSystem::Rename(const std::string&, const std::string&) { return kOtherFileError; }

}  // namespace orva
