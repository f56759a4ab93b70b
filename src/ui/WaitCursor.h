// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace orva {

// Shows the wait cursor for the guard's lifetime; guards nest.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace orva
