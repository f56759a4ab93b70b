#pragma once

#include <string>

#include "store/FileSystem.h"

namespace orva {

// Export passwords that another user could have rewritten protect nothing. As sudo and ssh do
// with the files they trust, the password file and every folder above it must belong to the
// administrator (root; the administrators or the system on Windows) and be writable by their
// owner only, and the file must be a plain file, not a link. A folder above the file's own that
// others may add names to but not take away or replace those of others (the sticky /tmp) does
// not let them at the file. A folder named for development (never in an installed program) may
// belong to the developer instead (`developersOwn`).
//
// Returns the file, or the first folder above it, that fails: empty when everything holds.
// `handle` is the file opened for reading, so that what is checked is what is read.
std::string FirstUntrustedOfPasswordFile(FileSystem& fs, FileSystem::Handle handle, const std::string& file,
                                         const std::string& folder, bool developersOwn);

}  // namespace orva
