// SPDX-License-Identifier: Apache-2.0
#include "ui/support/UiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orva::testsupport {

namespace {
constexpr const char* kSettingsEnvs[] = {"ORVA_SETTINGS_DIR", "ORVA_USER_SETTINGS_DIR"};
}

QString SaveSnapshot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("ORVA_SNAPSHOT_DIR");
    if (dir.isEmpty() || widget == nullptr) {
        return {};
    }
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    return widget->grab().save(path, "PNG") ? path : QString();
}

QImage Painted(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image);
    return image;
}

TempSettingsDir::TempSettingsDir() {
    for (const char* name : kSettingsEnvs) {
        previous_.push_back({qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv(name, QByteArray::fromStdString(dir_.Path()));
    }
}

TempSettingsDir::~TempSettingsDir() {
    for (std::size_t i = 0; i < previous_.size(); ++i) {
        if (previous_[i].set) {
            qputenv(kSettingsEnvs[i], previous_[i].value);
        } else {
            qunsetenv(kSettingsEnvs[i]);
        }
    }
}

QString TempSettingsDir::IniPath() const {
    return QDir(Path()).filePath(QStringLiteral("orva.ini"));
}

QString TempSettingsDir::UserSettingsPath() const {
    return QDir(Path()).filePath(QStringLiteral("ORVA.conf"));
}

std::shared_ptr<bool> WhenModalShown(std::function<void(QWidget*)> act, int timeoutMs) {
    auto ran = std::make_shared<bool>(false);
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != before.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *ran = true;
            act(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return ran;
}

}  // namespace orva::testsupport
