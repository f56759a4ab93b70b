// SPDX-License-Identifier: Apache-2.0
#include "ui/support/ScriptedPrompter.h"

namespace orva::testsupport {

QString KindName(Prompt::Kind kind) {
    switch (kind) {
        case Prompt::Kind::Message: return QStringLiteral("message");
        case Prompt::Kind::YesNo: return QStringLiteral("yes/no question");
        case Prompt::Kind::Choice: return QStringLiteral("choice");
        case Prompt::Kind::SaveFile: return QStringLiteral("save-file box");
        case Prompt::Kind::OpenFile: return QStringLiteral("open-file box");
    }
    return QStringLiteral("?");
}

QString IconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None: return QStringLiteral("none");
        case MessageIcon::Stop: return QStringLiteral("stop");
        case MessageIcon::Exclamation: return QStringLiteral("exclamation");
        case MessageIcon::Information: return QStringLiteral("information");
        case MessageIcon::Question: return QStringLiteral("question");
    }
    return QStringLiteral("?");
}

void ScriptedPrompter::ExpectMessage(DuringPrompt during) {
    queue_.push_back({Prompt::Kind::Message, false, -1, {}, std::move(during)});
}

void ScriptedPrompter::ExpectYesNo(bool answerYes, DuringPrompt during) {
    queue_.push_back({Prompt::Kind::YesNo, answerYes, -1, {}, std::move(during)});
}

void ScriptedPrompter::ExpectChoice(int answerIndex, DuringPrompt during) {
    queue_.push_back({Prompt::Kind::Choice, false, answerIndex, {}, std::move(during)});
}

void ScriptedPrompter::ExpectSaveFile(const QString& answerPath, DuringPrompt during) {
    queue_.push_back({Prompt::Kind::SaveFile, false, -1, answerPath, std::move(during)});
}

void ScriptedPrompter::ExpectOpenFile(const QString& answerPath, DuringPrompt during) {
    queue_.push_back({Prompt::Kind::OpenFile, false, -1, answerPath, std::move(during)});
}

const ScriptedPrompter::Expectation* ScriptedPrompter::Take(Prompt prompt) {
    const bool fits = !queue_.empty() && queue_.front().kind == prompt.kind;
    prompt.expected = fits;
    prompts_.push_back(prompt);
    if (!fits) {
        QString why = queue_.empty() ? QStringLiteral("nothing was expected")
                                     : QStringLiteral("a %1 was expected").arg(KindName(queue_.front().kind));
        failures_ << QStringLiteral("unexpected %1 \"%2\" / \"%3\" (%4)")
                         .arg(KindName(prompt.kind), prompt.caption, prompt.text, why);
        return nullptr;
    }
    current_ = std::move(queue_.front());
    queue_.pop_front();
    if (current_.during) {
        current_.during(prompts_.back());
    }
    return &current_;
}

void ScriptedPrompter::Message(const QString& caption, const QString& text, MessageIcon icon) {
    Take({Prompt::Kind::Message, caption, text, icon, {QStringLiteral("OK")}, 0, {}, {}, false});
}

bool ScriptedPrompter::AskYesNo(const QString& caption, const QString& text, MessageIcon icon, bool defaultYes) {
    const Expectation* e = Take({Prompt::Kind::YesNo, caption, text, icon,
                                 {QStringLiteral("Yes"), QStringLiteral("No")}, defaultYes ? 0 : 1, {}, {}, false});
    return e != nullptr && e->yes;
}

int ScriptedPrompter::Choose(const QString& caption, const QString& text, const QStringList& buttons,
                             int defaultIndex, MessageIcon icon) {
    const Expectation* e = Take({Prompt::Kind::Choice, caption, text, icon, buttons, defaultIndex, {}, {}, false});
    if (e == nullptr) {
        return -1;
    }
    if (e->index < -1 || e->index >= buttons.size()) {
        failures_ << QStringLiteral("scripted choice %1 is not one of the %2 buttons of \"%3\"")
                         .arg(e->index)
                         .arg(buttons.size())
                         .arg(text);
        return -1;
    }
    return e->index;
}

QString ScriptedPrompter::SaveFileName(const QString& caption, const QString& startPath, const QString& filter) {
    const Expectation* e = Take({Prompt::Kind::SaveFile, caption, {}, MessageIcon::None, {}, -1, startPath, filter,
                                 false});
    return e != nullptr ? e->path : QString();
}

QString ScriptedPrompter::OpenFileName(const QString& caption, const QString& startPath, const QString& filter) {
    const Expectation* e = Take({Prompt::Kind::OpenFile, caption, {}, MessageIcon::None, {}, -1, startPath, filter,
                                 false});
    return e != nullptr ? e->path : QString();
}

const Prompt& ScriptedPrompter::Last() {
    if (prompts_.empty()) {
        failures_ << QStringLiteral("a prompt was looked for but none was shown");
        return empty_;
    }
    return prompts_.back();
}

bool ScriptedPrompter::AllExpectedAndConsumed() const {
    return failures_.isEmpty() && queue_.empty();
}

QString ScriptedPrompter::Report() const {
    QStringList lines;
    for (const QString& f : failures_) {
        lines << QStringLiteral("FAILURE: ") + f;
    }
    for (const Expectation& e : queue_) {
        lines << QStringLiteral("NOT SHOWN: expected %1").arg(KindName(e.kind));
    }
    for (const Prompt& p : prompts_) {
        lines << QStringLiteral("shown: %1 \"%2\" / \"%3\" icon %4 buttons [%5]%6")
                     .arg(KindName(p.kind), p.caption, p.text, IconName(p.icon), p.buttons.join(QStringLiteral(", ")),
                          p.expected ? QString() : QStringLiteral(" (unexpected)"));
    }
    return lines.join(QLatin1Char('\n'));
}

void ScriptedPrompter::Reset() {
    prompts_.clear();
    queue_.clear();
    failures_.clear();
}

}  // namespace orva::testsupport
