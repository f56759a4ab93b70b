// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace orva {

class Workspace;

// The Compare Reporters command: the reports of the current analysis compared item by item in
// a window run modally over it. Nothing happens without an analysis of at least two reports.
void RunCompareReportersCommand(Workspace& workspace, QWidget* dialogParent);

}  // namespace orva
