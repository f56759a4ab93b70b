#include "store/UnmatchedJournal.h"

#include <utility>

namespace orva {

namespace {

UnmatchedJournalListener& Current() {
    static UnmatchedJournalListener listener;
    return listener;
}

}  // namespace

UnmatchedJournalListening::UnmatchedJournalListening(UnmatchedJournalListener listener)
    : previous_(std::exchange(Current(), std::move(listener))) {}

UnmatchedJournalListening::~UnmatchedJournalListening() {
    Current() = std::move(previous_);
}

void UnmatchedJournalListening::Report(const UnmatchedJournal& journal) {
    if (Current()) Current()(journal);
}

}  // namespace orva
