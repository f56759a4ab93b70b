#include "cli/ToolkitMessages.h"

#include <QtGlobal>

namespace orva::cli {

void SilenceToolkitMessages() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

}  // namespace orva::cli
