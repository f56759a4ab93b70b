// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QString>

namespace orva {

// The two pictures of the title page. A picture that cannot be read stays null and leaves its
// rectangle blank.
struct PrintImages {
    QImage logo;
    QImage reportForm;
};

// Reads them from the program's built-in resources.
PrintImages LoadPrintImages();

// Reads one picture through a reader that refuses images larger than the title page could
// ever need, so a damaged or substituted file cannot exhaust memory.
QImage ReadPrintImage(const QString& path);

}  // namespace orva
