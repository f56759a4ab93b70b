// SPDX-License-Identifier: Apache-2.0
#pragma once

class QObject;

namespace orva {

// The Website command: asks the desktop to open the product's web page and shows the wait
// cursor for three seconds without holding up the window. The outcome is not looked at.
// The cursor comes back early when `context` is destroyed.
void RunWebsiteCommand(QObject* context);

}  // namespace orva
