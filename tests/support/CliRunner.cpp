// SPDX-License-Identifier: Apache-2.0
#include "support/CliRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva::testsupport {

CliRun RunCli(const std::vector<std::string>& args, const std::string& input, const std::string& outTarget) {
    TempFolder capture;
    const std::string inPath = capture.Path("in");
    const std::string outPath = outTarget.empty() ? capture.Path("out") : outTarget;
    const std::string errPath = capture.Path("err");
    WriteFile(inPath, input);
    std::vector<char*> argv;
    std::string program = ORVA_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CliRun run;
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (outTarget.empty()) run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

}  // namespace orva::testsupport
