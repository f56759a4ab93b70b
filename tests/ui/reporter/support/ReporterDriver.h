// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QCheckBox>
#include <QRadioButton>

#include "ui/reporter/ReporterOptions.h"
#include "ui/support/ScriptedSpeaker.h"
#include "ui/support/WizardDriver.h"

// Hands an on-screen wizard over to a reporter as a clinician does, and drives it as a
// reporter does: keys on the focused answer, Enter for Next.
namespace orva::wizard_test {

using test::ScriptedSpeaker;

// Presses "Hand over to reporter" on the details page and makes `options` the clinician's
// choices; false when the choices were not offered.
inline bool HandOver(Driver& run, const ReporterOptions& options) {
    auto offered = test::WhenModalShown([options](QWidget* dialog) {
        const char* sizes[] = {"normalSizeRadio", "largeSizeRadio", "extraLargeSizeRadio"};
        dialog->findChild<QRadioButton*>(QLatin1String(sizes[static_cast<int>(options.size)]))->click();
        dialog->findChild<QCheckBox*>(QStringLiteral("oneItemCheckBox"))->setChecked(options.oneItemPerScreen);
        auto* read = dialog->findChild<QCheckBox*>(QStringLiteral("readAutomaticallyCheckBox"));
        if (read->isVisible()) read->setChecked(options.readAutomatically);
        dialog->findChild<QAbstractButton*>(QStringLiteral("confirmButton"))->click();
    });
    run.Click(QStringLiteral("handOverButton"));
    return *offered;
}

// A key as the reporter presses it, where the focus is.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

inline OnScreenWizard& OnScreen(Driver& run) {
    return static_cast<OnScreenWizard&>(run.Wizard());
}

}  // namespace orva::wizard_test
