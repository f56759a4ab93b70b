// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace orva::testing {

// Starts a program with `args` (the program first), its standard input read from the file
// `input` (or /dev/null) and its output thrown away. -1 when it cannot be started.
pid_t Spawn(const std::vector<std::string>& args, const std::string& input = {});
// Waits for the process; its status as waitpid gives it.
int WaitFor(pid_t pid);
// True while the process has not ended (it is not waited for).
bool StillRunning(pid_t pid);

// A command stopped at random moments: run once to measure it, then `trials` times, each
// stopped after a random share (0 to 120 %) of that time by the next of `signals` in turn.
struct RandomKills {
    std::vector<std::string> command;
    std::string input;  // a file for its standard input
    std::vector<int> signals;
    int trials = 0;
    unsigned seed = 20261207;
};

// What the kills did: how many processes ended by the signal, and how many had finished first.
struct KillTally {
    int killed = 0;
    int finished = 0;
};

// `prepare` sets each trial up before the command starts; `verify` checks it afterwards, told
// the trial and the signal sent. The first, measuring run must succeed.
KillTally KillAtRandom(const RandomKills& kills, const std::function<void()>& prepare,
                       const std::function<void(int trial, int signal)>& verify);

const char* SignalName(int signal);

}  // namespace orva::testing
