#include "ui/shell/WelcomeScreen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "ui/Resources.h"
#include "ui/shell/ShellTexts.h"

namespace orva {

namespace {
constexpr int kMargin = 20;
}

QFont WelcomeScreen::TextFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QString WelcomeScreen::Text() {
    QStringList lines;
    for (const texts::WelcomeLine& line : texts::kWelcomeLines) lines << QString::fromLatin1(line.text);
    return lines.join(QLatin1Char(' '));
}

WelcomeScreen::WelcomeScreen(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("welcomeScreen"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    // Big enough for every line, so a small window scrolls instead of cutting text off.
    const QFontMetrics metrics(TextFont());
    int right = BannerRect().right();
    int bottom = 0;
    for (const texts::WelcomeLine& line : texts::kWelcomeLines) {
        right = qMax(right, line.x + metrics.horizontalAdvance(QString::fromLatin1(line.text)));
        bottom = qMax(bottom, line.y + metrics.height());
    }
    contentSize_ = QSize(right + kMargin, bottom + kMargin);
    setMinimumSize(contentSize_);
}

QSize WelcomeScreen::sizeHint() const {
    return contentSize_;
}

void WelcomeScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(LogoRect(), Resources::Picture(Resources::kLogo, ratio));
    painter.drawPixmap(BannerRect(), Resources::Picture(Resources::kBanner, ratio));

    painter.setFont(TextFont());
    const QFontMetrics metrics(painter.font());
    for (const texts::WelcomeLine& line : texts::kWelcomeLines) {
        painter.setPen(QColor(line.red, line.green, line.blue));
        // Positions give the top left corner of the text, as the lines were laid out.
        painter.drawText(QPoint(line.x, line.y + metrics.ascent()), QString::fromLatin1(line.text));
    }
}

}  // namespace orva
