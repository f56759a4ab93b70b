#include "reports/ExportPasswordCheck.h"

namespace orva {

bool CheckExportPassword(const ExportPasswords& passwords, std::string_view entered, const Sleeper& sleep) {
    const ExportPasswords::GuessTurn turn = passwords.WaitForGuessTurn(sleep);
    if (passwords.Matches(entered)) return true;
    sleep(kWrongPasswordDelay);
    return false;
}

}  // namespace orva
