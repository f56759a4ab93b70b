// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QValidator>
#include <string>

namespace orva {

// Accepts only text a record field can hold as typed: characters of Windows-1252 other than
// the euro sign (its byte ends a stored text) and no control characters, except line breaks
// where the field has several lines. The length is counted in stored bytes, a line break as
// two (it is stored as CR LF), so the record's setter never has to cut anything.
class RecordTextValidator final : public QValidator {
public:
    RecordTextValidator(int maxBytes, bool multiLine, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    bool Holds(const QString& text) const;

    // The stored bytes of the text, line breaks as CR LF; only for text Holds() accepts.
    static std::string ToRecord(const QString& text);
    // The record's bytes as the field shows them, CR LF as one line break.
    static QString FromRecord(const std::string& bytes);

private:
    int maxBytes_;
    bool multiLine_;
};

}  // namespace orva
