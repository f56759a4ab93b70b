#include "store/TemporaryNames.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>

namespace orva {

namespace {

constexpr int kSlots = 32;
constexpr std::size_t kLongestName = 4096;

// Read by the signal handler, so plain storage and lock-free flags only.
struct Slot {
    std::atomic<bool> used{false};
    char name[kLongestName] = {};
};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the flags");

Slot slots[kSlots];
std::mutex slotsChanging;

void RemoveRegistered() {
    for (Slot& slot : slots) {
        if (!slot.used.load()) continue;
#ifdef _WIN32
        wchar_t wide[kLongestName];
        if (::MultiByteToWideChar(CP_UTF8, 0, slot.name, -1, wide, static_cast<int>(kLongestName)) > 0) {
            ::DeleteFileW(wide);
        }
#else
        ::unlink(slot.name);
#endif
    }
}

#ifdef _WIN32
BOOL WINAPI RemoveOnConsoleEvent(DWORD) {
    RemoveRegistered();
    return FALSE;  // the default handling ends the process
}

void InstallRemoval() {
    ::SetConsoleCtrlHandler(RemoveOnConsoleEvent, TRUE);
}
#else
extern "C" void RemoveOnSignal(int signal) {
    RemoveRegistered();
    // The handler was reset on entry: the signal now does what it would have done.
    ::raise(signal);
}

void InstallRemoval() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        // A signal the program handles or ignores itself (nohup) is left to it.
        if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
            current.sa_handler != SIG_DFL) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = RemoveOnSignal;
        ::sigemptyset(&action.sa_mask);
        for (int other : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&action.sa_mask, other);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}
#endif

std::size_t FolderEnd(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string TemporaryNames::NameBeside(const std::string& path) {
    static std::mutex drawing;
    static std::mt19937_64 random{std::random_device{}()};
    unsigned long long draw = 0;
    {
        const std::lock_guard<std::mutex> lock(drawing);
        draw = random();
    }
    char name[32];
    std::snprintf(name, sizeof name, ".orva-%012llx.part", draw & 0xFFFFFFFFFFFFULL);
    return path.substr(0, FolderEnd(path)) + name;
}

void TemporaryNames::Register(const std::string& name) {
    static std::once_flag installed;
    std::call_once(installed, InstallRemoval);
    if (name.size() >= kLongestName) return;
    const std::lock_guard<std::mutex> lock(slotsChanging);
    for (Slot& slot : slots) {
        if (slot.used.load()) continue;
        std::memcpy(slot.name, name.c_str(), name.size() + 1);
        slot.used.store(true);
        return;
    }
}

void TemporaryNames::Unregister(const std::string& name) {
    const std::lock_guard<std::mutex> lock(slotsChanging);
    for (Slot& slot : slots) {
        if (slot.used.load() && name == slot.name) {
            slot.used.store(false);
            return;
        }
    }
}

}  // namespace orva
