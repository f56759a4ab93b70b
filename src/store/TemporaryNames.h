#pragma once

#include <string>

namespace orva {

// The names of the temporary files this process has made and not yet named or removed. They go
// when the process is stopped by Ctrl+C or asked to end (SIGINT, SIGTERM and SIGHUP; on Windows
// Ctrl+C, Ctrl+Break and the closing of the console), so that no half-written copy of a report
// or of undo information, with the personal data in it, is left behind. A kill that cannot be
// caught (SIGKILL) can still leave one; the file systems that can make unnamed files use those.
class TemporaryNames {
  public:
    static constexpr int kNameAttempts = 16;

    // A fresh name in the folder of `path`, short whatever the length of the target's own name.
    static std::string NameBeside(const std::string& path);
    static void Register(const std::string& name);
    static void Unregister(const std::string& name);
};

}  // namespace orva
