#pragma once

#include <memory>

class QGuiApplication;

namespace orva {

// A graphical application object on the "offscreen" platform, which needs no display, for
// programs that draw the report without a window of their own: orva-cli, the print tests and
// benchmarks. Made only when the process has no application object yet, and gone with this
// object, before the process's own static objects are.
class OffscreenApplication {
  public:
    OffscreenApplication();
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

  private:
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace orva
