// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace orva {

struct WizardContext;

// Whether an edit wizard's Finish goes on to save: at once when the record differs from the
// record as read (a changed data-entry mode alone is no edit); otherwise only when the user
// answers "No Edits Made" with "Yes, Proceed" (the default). "Do Not Save" and closing the
// question give false.
bool EditedOrSaveAnyway(WizardContext& context);

}  // namespace orva
