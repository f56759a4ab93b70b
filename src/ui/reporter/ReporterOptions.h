#pragma once

namespace orva {

// What the clinician chooses before handing the computer to a reporter.
struct ReporterOptions {
    enum class TextSize { Normal, Large, ExtraLarge };

    TextSize size = TextSize::Normal;
    bool oneItemPerScreen = false;
    bool readAutomatically = false;
};

}  // namespace orva
