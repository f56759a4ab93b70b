// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/Result.h"

namespace orva {

// Why printing failed. Distinct from every other layer's failures (the command line prints the
// number): they start below the other report outputs'. File failures of a PDF are the record
// store's own (StoreError).
enum class PrintError : int {
    CannotStart = -901,       // the device refused to begin the job (no printer, bad file)
    DeviceError = -902,       // the device failed during or at the end of the job
    NoGuiApplication = -903,  // the process runs a non-graphical Qt application object
};

using PrintStatus = Status<PrintError>;

}  // namespace orva
