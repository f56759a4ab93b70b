#pragma once

#include <string>
#include <vector>

#include "model/AssessmentRecord.h"

namespace orva::testing {

// A temporary folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// What one run of the built orva-cli gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// `outTarget`, when given, receives the output stream, which then is not read back.
CliRun RunCli(const std::vector<std::string>& args, const std::string& outTarget = {});

// A person's record as the wizards save it.
AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer = "");

// Appends records to a record file with the store's own encoder and writer; the save
// date-times are 2024-03-0<n> 10:00:0<n> for the n-th record written by one call.
void AppendRecords(const std::string& path, std::vector<AssessmentRecord> records);

// Overwrites one byte of the file.
void PatchByte(const std::string& path, long long offset, unsigned char value);
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

}  // namespace orva::testing
