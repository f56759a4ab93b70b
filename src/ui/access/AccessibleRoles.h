#pragma once

namespace orva {

// Gives the program's own widgets the roles screen readers expect where Qt's factories would
// call them fillers: the announcer a notification, a wizard page and a reading pane of the view
// panels (read out with their names). Installed once; every class that needs it calls it on construction.
void InstallAccessibleRoles();

}  // namespace orva
