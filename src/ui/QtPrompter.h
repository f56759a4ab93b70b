// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/Prompter.h"

namespace orva {

// The program's prompter: real message boxes and file boxes, modal to `parent` (or, when it
// is null, to the window active at the time). The only place that creates them.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    using Prompter::Message;
    void Message(const QString& caption, const QString& text, MessageIcon icon) override;
    bool AskYesNo(const QString& caption, const QString& text, MessageIcon icon, bool defaultYes) override;
    int Choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
               MessageIcon icon) override;
    QString SaveFileName(const QString& caption, const QString& startPath, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& startPath, const QString& filter) override;

    // The caption shown for `caption`: the application title when it is empty.
    static QString ShownCaption(const QString& caption);

private:
    QWidget* Parent() const;

    QPointer<QWidget> parent_;
};

}  // namespace orva
