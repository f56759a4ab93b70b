#pragma once

#include <functional>
#include <string>

namespace orva {

// A journal found beside a record file that does not belong to the file as it is now, and that
// was therefore not applied (WriteJournal).
struct UnmatchedJournal {
    std::string recordFile;  // the record file's resolved path
    std::string keptAs;      // where the journal was put aside; empty when it could not be moved
};

using UnmatchedJournalListener = std::function<void(const UnmatchedJournal&)>;

// The store reports an unmatched journal; the program tells its user, through the listener it
// sets for as long as this object lives (the one before is back afterwards). Without one,
// nothing is shown.
class UnmatchedJournalListening {
  public:
    explicit UnmatchedJournalListening(UnmatchedJournalListener listener);
    ~UnmatchedJournalListening();
    UnmatchedJournalListening(const UnmatchedJournalListening&) = delete;
    UnmatchedJournalListening& operator=(const UnmatchedJournalListening&) = delete;

    // Called by the store.
    static void Report(const UnmatchedJournal& journal);

  private:
    UnmatchedJournalListener previous_;
};

}  // namespace orva
