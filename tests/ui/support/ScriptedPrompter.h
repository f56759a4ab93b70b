// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/Prompter.h"

namespace orva::testsupport {

// One prompt the program showed, as the user would have seen it.
struct Prompt {
    enum class Kind { Message, YesNo, Choice, SaveFile, OpenFile };

    Kind kind = Kind::Message;
    QString caption;  // as passed in; an empty caption means "ORVA" on screen
    QString text;
    MessageIcon icon = MessageIcon::None;
    QStringList buttons;    // "OK"; "Yes", "No"; the custom choices
    int defaultIndex = -1;  // index into buttons
    QString startPath;      // file boxes only
    QString filter;         // file boxes only
    bool expected = false;  // false when no scripted answer was waiting for it
};

QString KindName(Prompt::Kind kind);
QString IconName(MessageIcon icon);

// A Prompter for tests: records every prompt, answers from a queue of expectations, and
// records a failure for any prompt that arrives when nothing of its kind is queued.
// Unexpected prompts get the harmless answer (No, closed, cancelled) so the program
// under test never replaces or loses anything because of a missing script line.
class ScriptedPrompter final : public Prompter {
public:
    // Runs while the prompt is "open" (before the answer returns to the program), e.g. to
    // check focus or take a snapshot at that moment.
    using DuringPrompt = std::function<void(const Prompt&)>;

    void ExpectMessage(DuringPrompt during = {});
    void ExpectYesNo(bool answerYes, DuringPrompt during = {});
    void ExpectChoice(int answerIndex, DuringPrompt during = {});
    // An empty path answers as if the box was cancelled.
    void ExpectSaveFile(const QString& answerPath, DuringPrompt during = {});
    void ExpectOpenFile(const QString& answerPath, DuringPrompt during = {});

    using Prompter::Message;
    void Message(const QString& caption, const QString& text, MessageIcon icon) override;
    bool AskYesNo(const QString& caption, const QString& text, MessageIcon icon, bool defaultYes) override;
    int Choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
               MessageIcon icon) override;
    QString SaveFileName(const QString& caption, const QString& startPath, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& startPath, const QString& filter) override;

    const std::vector<Prompt>& Prompts() const { return prompts_; }
    // The last prompt shown; fails the script (and returns an empty prompt) when there was none.
    const Prompt& Last();
    int PendingCount() const { return static_cast<int>(queue_.size()); }
    const QStringList& Failures() const { return failures_; }

    // True when every prompt was expected and every expectation was used.
    bool AllExpectedAndConsumed() const;
    // A readable account of the failures, the unused expectations and the prompts seen,
    // for a test's failure message.
    QString Report() const;

    // Forgets prompts, expectations and failures.
    void Reset();

private:
    struct Expectation {
        Prompt::Kind kind;
        bool yes = false;
        int index = -1;
        QString path;
        DuringPrompt during;
    };

    // Records the prompt, takes the next expectation when it fits, and returns it (or
    // nothing after recording a failure).
    const Expectation* Take(Prompt prompt);

    std::vector<Prompt> prompts_;
    std::deque<Expectation> queue_;
    Expectation current_;
    QStringList failures_;
    Prompt empty_;
};

}  // namespace orva::testsupport
