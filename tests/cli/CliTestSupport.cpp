#include "cli/CliTestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"

namespace orva::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orva-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

CliRun RunCli(const std::vector<std::string>& args, const std::string& outTarget) {
    TempDir capture;
    const std::string outPath = outTarget.empty() ? capture.File("out") : outTarget;
    const std::string errPath = capture.File("err");
    std::vector<char*> argv;
    std::string program = ORVA_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    CliRun run;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (outTarget.empty()) run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    return run;
}

AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer) {
    AssessmentRecord record;
    record.SetReporter(reporter);
    record.SetFirstName(first);
    record.SetLastName(last);
    record.SetGender('F');
    record.SetBirthDate(2012, 5, 17);
    record.SetDataEntry(reporter == kTeacher ? kPaper : kOnScreen);
    record.SetObserverName(observer);
    for (const auto& [item, value] : answers) record.SetResponse(item, value);
    return record;
}

void AppendRecords(const std::string& path, std::vector<AssessmentRecord> records) {
    int n = 0;
    for (AssessmentRecord& record : records) {
        ++n;
        const FixedClock clock({2024, 3, n, 10, 0, n});
        const StoredRecord stored = EncodeForStorage(record, clock);
        RecordFile file(clock);
        int position = -1;
        if (file.WriteRecord(path, stored, -1, position) != 0) throw std::runtime_error("write failed");
    }
}

void PatchByte(const std::string& path, long long offset, unsigned char value) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(offset);
    file.put(static_cast<char>(value));
}

}  // namespace orva::testing
