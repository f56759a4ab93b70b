// SPDX-License-Identifier: Apache-2.0
// Rewrites one record of a record file again and again through the store, the way an edit
// saved in place does, until it is stopped; the crash test kills it at random moments.
// Usage: record_rewriter FILE POSITION TIMES
#include <cstdlib>
#include <iostream>
#include <string>

#include "model/RecordFilePath.h"
#include "store/RecordStore.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: record_rewriter FILE POSITION TIMES\n";
        return 2;
    }
    const orva::RecordFilePath path(argv[1]);
    const int position = std::atoi(argv[2]);
    const int times = std::atoi(argv[3]);
    orva::RecordStore store;
    for (int i = 0; i < times; ++i) {
        const orva::StoreResult<orva::AssessmentRecord> read = store.Read(path, position);
        if (!read) return 1;
        const orva::AssessmentRecord& expected = *read;
        orva::AssessmentRecord changed = expected;
        changed.SetObserverComment(expected.GetObserverComment() == "even" ? "odd" : "even");
        if (!store.Replace(path, position, expected, changed)) return 1;
    }
    return 0;
}
