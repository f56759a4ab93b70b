// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "store/FileSystem.h"
#include "store/JournalChange.h"
#include "store/StoreError.h"

namespace orva {

// The journal of one change to a record file: a file beside the record file itself (named from
// its resolved path, whatever name reached it) that holds what the change will overwrite and
// write (JournalChange), from before the first byte of the record file changes until the whole
// change is on the disk. It is made complete under a name of its own and only then named, so a
// journal under its name is always whole. Removing it is the moment the change counts.
//
// Whoever opens the record file next, holding its lock, finds a journal that is still there:
// one that matches the file is applied (a writer puts the file back; a reader reads it as it
// was), and one that does not match (the file was copied, put back from a backup, or changed
// by someone who did not see the journal) is never applied: it is set aside under another name
// and the user is told. So whatever stops a writer (Ctrl+C, a kill, a power cut), the file
// afterwards is either exactly as before or holds the whole change, and a journal that does
// not belong to a file never changes it.
class WriteJournal {
  public:
    // Longest name of a record file (its last path component, in bytes) whose journal, and a
    // journal set aside, still fit the 255 bytes a file name may have.
    static constexpr std::size_t kLongestRecordFileName = 234;

    // The journal's name for the record file at `recordPath` (a resolved path).
    static std::string PathFor(const std::string& recordPath);

    // Writes and syncs the journal of `change` and gives it its name. Nothing may change in the
    // record file before this succeeds.
    static StoreStatus Begin(FileSystem& fs, const std::string& recordPath, const JournalChange& change);
    // The change is on the disk: the journal goes, and with it the way back. Fails only when
    // the journal could not be removed (the change must then be undone).
    static StoreStatus Commit(FileSystem& fs, const std::string& recordPath);

    // What lies beside a record file.
    struct Found {
        enum class Kind {
            None,        // no journal
            Whole,       // a journal, in `change`
            Damaged,     // a file under the journal's name that is no whole journal
            Unreadable,  // a journal that could not be read (`cause` says why)
        };
        Kind kind = Kind::None;
        JournalChange change;
        StoreError cause = StoreError::OtherFileError;
    };
    static Found Load(FileSystem& fs, const std::string& recordPath);

    // Moves the journal beside `recordPath` aside, unapplied: "<journal>.unmatched-N" with the
    // first N free. The name it now has, or the cause; the journal then stays where it is.
    static StoreResult<std::string> PutAside(FileSystem& fs, const std::string& recordPath);
};

}  // namespace orva
