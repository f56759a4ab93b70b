#include "ui/wizard/RecordSaver.h"

#include "store/RecordCodec.h"
#include "store/RecordFile.h"

namespace orva {

SaveOutcome AppendRecord(AssessmentRecord& record, const std::string& path, const Clock& clock) {
    SaveOutcome outcome;
    RecordFile file(clock);
    outcome.code = file.WriteRecord(path, EncodeForStorage(record, clock), -1, outcome.position);
    return outcome;
}

}  // namespace orva
