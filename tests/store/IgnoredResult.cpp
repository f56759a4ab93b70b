// SPDX-License-Identifier: Apache-2.0
// Must not compile: the store's results cannot be dropped unread. Built by the test
// StoreResult.IgnoredResultIsRefused, which passes only on the compiler's refusal.
#include "store/StoreError.h"

namespace orva {

StoreStatus Save() {
    return StoreError::DiskFull;
}

StoreResult<int> Count() {
    return 3;
}

void Caller() {
    Save();
    Count();
}

}  // namespace orva
