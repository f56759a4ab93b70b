#include "reports/ExportPasswordCheck.h"

#include <thread>

namespace orva {

void SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

bool CheckExportPassword(const ExportPasswords& passwords, std::string_view entered, const Sleeper& sleep) {
    if (passwords.Matches(entered)) return true;
    sleep(kWrongPasswordDelay);
    return false;
}

}  // namespace orva
