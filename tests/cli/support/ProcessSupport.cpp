// SPDX-License-Identifier: Apache-2.0
#include "cli/support/ProcessSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace orva::testing {

pid_t Spawn(const std::vector<std::string>& args, const std::string& input) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.empty() ? "/dev/null" : input.c_str(),
                                     O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

bool StillRunning(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

KillTally KillAtRandom(const RandomKills& kills, const std::function<void()>& prepare,
                       const std::function<void(int trial, int signal)>& verify) {
    using Clock = std::chrono::steady_clock;
    KillTally tally;
    prepare();
    const auto start = Clock::now();
    const int measured = WaitFor(Spawn(kills.command, kills.input));
    const auto full = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    EXPECT_TRUE(WIFEXITED(measured) && WEXITSTATUS(measured) == 0) << "the measuring run failed";
    std::mt19937 random(kills.seed);
    std::uniform_int_distribution<long long> delay(0, full.count() * 6 / 5);
    for (int trial = 0; trial < kills.trials; ++trial) {
        prepare();
        const int signal = kills.signals[static_cast<std::size_t>(trial) % kills.signals.size()];
        const pid_t pid = Spawn(kills.command, kills.input);
        EXPECT_GT(pid, 0);
        if (pid <= 0) return tally;
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(pid, signal);
        const int status = WaitFor(pid);
        ++(WIFSIGNALED(status) ? tally.killed : tally.finished);
        verify(trial, signal);
        if (::testing::Test::HasFatalFailure()) return tally;
    }
    return tally;
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        case SIGHUP:
            return "SIGHUP";
        case SIGKILL:
            return "SIGKILL";
        default:
            return "signal";
    }
}

}  // namespace orva::testing
