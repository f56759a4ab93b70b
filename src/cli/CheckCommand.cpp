// SPDX-License-Identifier: Apache-2.0
#include "cli/CheckCommand.h"

#include <string>

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"
#include "store/RecordFormat.h"
#include "store/RecordStore.h"
#include "store/StoreMessages.h"
#include "store/StoreError.h"

namespace orva::cli {

namespace {

std::string Reason(StoreError damage) {
    switch (damage) {
        case StoreError::IncompleteRecord:
            return texts::cli::kDamageIncomplete;
        case StoreError::PositionBeyondEnd:
            return texts::cli::kDamageBeyondCapacity + std::to_string(kMaxRecords) + texts::cli::kDamageBeyondCapacityEnd;
        default:
            return texts::cli::kDamageFailedChecks;
    }
}

nlohmann::ordered_json CheckDocument(const std::string& path, const FileCheck& check) {
    nlohmann::ordered_json damaged = nlohmann::ordered_json::array();
    for (const auto& [position, damage] : check.damaged) damaged.push_back({{"position", position}, {"reason", Reason(damage)}});
    return {
        {"file", path},
        {"records", check.records},
        {"sound", check.damaged.empty()},
        {"damaged", std::move(damaged)},
        {"partial_tail", check.partialTail},
    };
}

void WriteCheckText(std::ostream& out, const std::string& path, const FileCheck& check) {
    out << texts::cli::kFileLabel << OneLine(path) << '\n'
        << texts::cli::kSummaryRecords << check.records << texts::cli::kSummaryDamaged << check.damaged.size() << '\n';
    for (const auto& [position, damage] : check.damaged) {
        out << texts::cli::kDamagePosition << position << ": " << Reason(damage) << '\n';
    }
    if (check.partialTail) out << texts::cli::kPartialTail << '\n';
    out << (check.damaged.empty() ? texts::cli::kFileSound : texts::cli::kFileDamaged) << '\n';
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const FileNameCheck name = RecordFilePath::Check(line.Arguments()[0]);
    if (!name.ok) {
        PrintMessage(err, {orva::texts::kIncorrectFileName, name.message, MessageIcon::Stop});
        return kExitRefused;
    }
    const RecordFilePath path(name.fullPath);
    const StoreResult<FileCheck> checked = RecordStore().Check(path);
    if (!checked) {
        if (const auto message = LoadResultMessage(checked.Error(), std::string(1, kNameMarker)))
            PrintMessage(err, *message, path.WithoutExtension());
        return kExitRefused;
    }
    const FileCheck& check = *checked;
    if (line.Has(kJsonOption.name)) {
        WriteJson(out, CheckDocument(path.OnDisk(), check));
    } else {
        WriteCheckText(out, path.OnDisk(), check);
    }
    return check.damaged.empty() ? kExitSuccess : kExitPartial;
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {kJsonOption};

}  // namespace

constinit const CommandDefinition kCheckCommand{
    .name = "check",
    .synopsis = texts::cli::kCheckSynopsis,
    .description = texts::cli::kCheckDescription,
    .exitStatus = texts::cli::kCheckExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = false,
};

}  // namespace orva::cli
