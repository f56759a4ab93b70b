// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>

#include "model/UserMessage.h"

namespace orva {

// Every message box, question, choice dialog and file box of the program goes through this
// one interface, so tests can script the answers and check the exact words shown.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with a single OK button. An empty caption means the application title "ORVA".
    virtual void Message(const QString& caption, const QString& text, MessageIcon icon) = 0;
    void Message(const UserMessage& message);

    // A Yes/No question; true for Yes. Closing the box counts as the default answer only
    // when that answer is No, so nothing is replaced or lost by a closed box.
    virtual bool AskYesNo(const QString& caption, const QString& text, MessageIcon icon, bool defaultYes) = 0;

    // A choice among named buttons; the index of the chosen button, or -1 when closed.
    virtual int Choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
                       MessageIcon icon) = 0;

    // File boxes: the chosen path, or an empty text when cancelled. `filter` is in Qt's form,
    // e.g. "ORVA Files (*.rpc)". The chosen folder must exist.
    virtual QString SaveFileName(const QString& caption, const QString& startPath, const QString& filter) = 0;
    virtual QString OpenFileName(const QString& caption, const QString& startPath, const QString& filter) = 0;
};

}  // namespace orva
