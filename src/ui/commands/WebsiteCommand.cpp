#include "ui/commands/WebsiteCommand.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "ui/ProgramTexts.h"
#include "ui/WaitCursor.h"

namespace orva {

namespace {
constexpr int kWebsiteWaitMs = 3000;
}

void RunWebsiteCommand(QObject* context) {
    auto waiting = std::make_shared<WaitCursor>();
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(texts::kWebAddress)));
    QTimer::singleShot(kWebsiteWaitMs, Qt::PreciseTimer, context, [waiting]() mutable { waiting.reset(); });
}

}  // namespace orva
