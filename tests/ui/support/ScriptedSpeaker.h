// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QStringList>
#include <vector>

#include "ui/speech/Speaker.h"

namespace orva::testsupport {

// A speaker for tests: keeps every request in order and says nothing, so the program goes on
// as it would while a real voice is still speaking.
class ScriptedSpeaker final : public Speaker {
public:
    void Speak(const QStringList& texts) override { requests.push_back(texts); }
    void Stop() override { ++stops; }

    // The texts of the last request, or none.
    QStringList Last() const { return requests.empty() ? QStringList() : requests.back(); }

    std::vector<QStringList> requests;
    int stops = 0;
};

}  // namespace orva::testsupport
