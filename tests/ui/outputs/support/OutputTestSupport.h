// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtTest>

#include "model/Cp1252.h"
#include "model/UserMessage.h"
#include "ui/support/ScriptedPrompter.h"

// Shared by the tests of the export and Save As windows.
namespace orva::output_test {

inline QString ToQt(const std::string& coreText) {
    return QString::fromStdString(Cp1252::ToUtf8(coreText));
}

// The prompt shows exactly the message the reports layer made, whose words its own tests pin.
inline bool Shows(const test::Prompt& prompt, const UserMessage& message) {
    return prompt.kind == test::Prompt::Kind::Message && prompt.caption == ToQt(message.caption) &&
           prompt.text == ToQt(message.text) && prompt.icon == message.icon;
}

// The "File Exists" question as the reports layer words it, with "No" the default answer.
inline bool AsksFileExists(const test::Prompt& prompt, const UserMessage& question) {
    return prompt.kind == test::Prompt::Kind::YesNo && prompt.caption == ToQt(question.caption) &&
           prompt.text == ToQt(question.text) && prompt.icon == question.icon &&
           prompt.buttons == QStringList({QStringLiteral("Yes"), QStringLiteral("No")}) &&
           prompt.defaultIndex == 1;
}

// Shows the window and makes it the active one, on a display with or without a window manager,
// so that focus moves as it does for a user.
inline bool ShowForInput(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Report files hold personal health data: only their owner may read them. These are POSIX
// modes; on Windows a new file takes the access list of its folder.
inline bool OwnerOnly(const QString& path) {
    const QFileDevice::Permissions others =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && (QFile::permissions(path) & others) == 0;
}

}  // namespace orva::output_test
