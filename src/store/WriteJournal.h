#pragma once

#include <string>
#include <vector>

#include "store/FileSystem.h"

namespace orva {

// Undo information for one change to a record file, kept in a file beside it ("<file>-journal")
// from before the first byte of the record file changes until the whole change is on the disk.
// Removing the journal is the moment the change counts. Whoever opens the record file next,
// holding its lock, finds a journal that is still there and puts the file back as it was; a
// journal that was never completed means the record file was not touched yet, and it is just
// dropped. So whatever stops a writer (Ctrl+C, a kill, a power cut), the file afterwards is
// either exactly as before or holds the whole change.
class WriteJournal {
  public:
    // Bytes of the record file that the change will overwrite, as they are before it.
    struct Region {
        long long offset = 0;
        std::vector<unsigned char> bytes;
    };

    // The journal's name for the record file at `recordPath`.
    static std::string PathFor(const std::string& recordPath);

    // Writes and syncs the journal of a change to `recordPath`, whose length is `oldLength`
    // (0 and `created` for a file this change made). Nothing may change in the record file
    // before this returns 0.
    static int Begin(FileSystem& fs, const std::string& recordPath, long long oldLength, bool created,
                     const std::vector<Region>& regions);
    // The change is on the disk: the journal goes, and with it the way back. Fails only when
    // the journal could not be removed (the change must then be undone).
    static int Commit(FileSystem& fs, const std::string& recordPath);

    // What Recover found.
    enum class Recovery {
        Nothing,       // no journal
        Dropped,       // an incomplete journal; the file was never touched
        RolledBack,    // the file is as it was before the interrupted change
        FileRemoved,   // the interrupted change had made the file: it is gone again
    };
    // Puts back the record file open in `handle` (held exclusively, writable) when a journal
    // is there. 0 with `what` set, or the failing step's code (the journal then stays for the
    // next opener to try again).
    static int Recover(FileSystem& fs, const std::string& recordPath, FileSystem::Handle handle, Recovery& what);
    // True when a journal lies beside the record file.
    static bool Exists(FileSystem& fs, const std::string& recordPath);
};

}  // namespace orva
