#include "reports/print/PrintImages.h"

#include <QImageReader>

#include "reports/print/PrintTexts.h"

// Q_INIT_RESOURCE must be used outside any namespace; referencing it also keeps the linker
// from dropping the resources out of the static library.
static void RegisterPrintResources() {
    Q_INIT_RESOURCE(print);
}

namespace orva {

namespace {

constexpr int kMaxSide = 4000;  // pixels; the title page pictures are 1300 wide at most
constexpr int kAllocationLimitMb = 64;

}  // namespace

QImage ReadPrintImage(const QString& path) {
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide) return {};
    return reader.read();
}

PrintImages LoadPrintImages() {
    static const bool registered = (RegisterPrintResources(), true);
    (void)registered;
    return PrintImages{ReadPrintImage(QString::fromLatin1(texts::print::kLogoImage)),
                       ReadPrintImage(QString::fromLatin1(texts::print::kReportFormImage))};
}

}  // namespace orva
