// SPDX-License-Identifier: Apache-2.0
// The printed pages are drawn by Qt's painter, which needs a graphical application: the tests
// run inside one on the offscreen platform, as orva-cli draws the report.
#include <gtest/gtest.h>

#include "reports/print/OffscreenApplication.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const orva::OffscreenApplication application;
    return RUN_ALL_TESTS();
}
