// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QIcon>
#include <QPixmap>

namespace orva {

// The pictures built into the program (resources/orva.qrc). Always load them through this
// class: it makes sure the resources of the static UI library are registered first.
class Resources {
public:
    // Picture paths; each has a twice-as-large "@2x" twin for high-density screens.
    static constexpr const char* kBanner = ":/banner.png";    // 402 x 62, the welcome picture
    static constexpr const char* kLogo = ":/logo.png";        // 140 x 127
    static constexpr const char* kProduct = ":/product.png";  // 64 x 64, the About box picture

    // Toolbar image names (16 x 16): complete_on_screen, enter_responses, analysis, print,
    // save_as, about, website.
    static QIcon ToolbarIcon(const char* name);
    // The window icon in all its sizes.
    static QIcon AppIcon();
    // One of the pictures above, at the resolution of a screen with `devicePixelRatio`.
    static QPixmap Picture(const char* path, qreal devicePixelRatio = 1.0);

    // Registers the resources; done by every function above, so callers need not.
    static void Register();
};

}  // namespace orva
