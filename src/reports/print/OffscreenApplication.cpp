#include "reports/print/OffscreenApplication.h"

#include <QGuiApplication>

namespace orva {

namespace {

// QGuiApplication keeps the arguments for as long as it lives.
int argumentCount = 3;
char program[] = "orva";
char platformOption[] = "-platform";
char platform[] = "offscreen";
char* arguments[] = {program, platformOption, platform, nullptr};

}  // namespace

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance() == nullptr) {
        application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
    }
}

OffscreenApplication::~OffscreenApplication() = default;

}  // namespace orva
