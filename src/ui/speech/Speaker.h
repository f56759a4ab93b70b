#pragma once

#include <QStringList>
#include <memory>

namespace orva {

// Reads texts aloud, one after the other, without waiting for them: speaking never holds up
// the program, so a reporter can answer while an item is still being read. The program uses
// the system's speech (MakeSystemSpeaker); tests use a scripted speaker that records what
// would be said.
class Speaker {
public:
    virtual ~Speaker() = default;

    // Stops whatever is being said, then says `texts` in order.
    virtual void Speak(const QStringList& texts) = 0;
    // Stops speaking at once and forgets what was still to be said.
    virtual void Stop() = 0;
};

// The system's speech: flite with Qt Multimedia's sound output (on Windows, SAPI); null where
// the computer cannot speak (no voice, no sound output), so no read-aloud is offered.
std::unique_ptr<Speaker> MakeSystemSpeaker();

}  // namespace orva
