// SPDX-License-Identifier: Apache-2.0
#include "ui/Resources.h"

#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace. Referencing the resource initialiser
// also keeps the linker from dropping it out of the static library.
static void RegisterOrvaResources() {
    Q_INIT_RESOURCE(orva);
}

namespace orva {

void Resources::Register() {
    static const bool registered = (RegisterOrvaResources(), true);
    (void)registered;
}

QIcon Resources::ToolbarIcon(const char* name) {
    Register();
    return QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)));
}

QIcon Resources::AppIcon() {
    Register();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/orva_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap Resources::Picture(const char* path, qreal devicePixelRatio) {
    Register();
    const QString base = QLatin1String(path);
    if (devicePixelRatio > 1.0) {
        QPixmap large(QString(base).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(base);
}

}  // namespace orva
