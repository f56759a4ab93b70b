// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace orva {

// Result codes of printing. File failures of the PDF keep the record store's codes (-1..-14
// causes, -98 exists, -99 other); these start below the other report outputs' codes.
enum PrintResult : int {
    kPrintOk = 0,
    kPrintCannotStart = -901,       // the device refused to begin the job (no printer, bad file)
    kPrintDeviceError = -902,       // the device failed during or at the end of the job
    kPrintNoGuiApplication = -903,  // the process runs a non-graphical Qt application object
};

}  // namespace orva
