// SPDX-License-Identifier: Apache-2.0
// Draws ORVA's artwork with QPainter: one palette (the welcome screen's two purples), one
// motif (an adult and a child figure), vector shapes so every size stays sharp.
// Usage: draw_artwork <resources folder>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>
#include <functional>

namespace {

const QColor kDark(58, 16, 124);
const QColor kLight(179, 106, 197);
const QColor kMid(112, 52, 160);
const QColor kPale(241, 232, 247);
const QColor kWhite(255, 255, 255);

using Drawing = std::function<void(QPainter&)>;

QString gOut;

// Draws `drawing` designed on a `w` x `h` canvas into an image `scale` times as large.
QImage Render(int w, int h, double scale, const Drawing& drawing, bool opaque = false) {
    QImage image(qRound(w * scale), qRound(h * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? kWhite : Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    drawing(p);
    return image;
}

void Save(const QImage& image, const QString& name) {
    const QString path = QDir(gOut).filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// A PNG at 1x and 2x (Qt picks name@2x.png on high-density screens).
void SavePng(int w, int h, const QString& base, const Drawing& drawing) {
    Save(Render(w, h, 1.0, drawing), base + QStringLiteral(".png"));
    Save(Render(w, h, 2.0, drawing), base + QStringLiteral("@2x.png"));
}

// A print bitmap: opaque white, 8 bits per pixel to keep the file small.
void SaveBmp(int w, int h, double scale, const QString& name, const Drawing& drawing) {
    QImage image = Render(w, h, scale, drawing, true).convertToFormat(QImage::Format_RGB32);
    Save(image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither), name);
}

QFont Font(double pixelSize, int weight = QFont::Bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The motif: an adult figure and, in front on the left, a child figure, inside `box`.
void Figures(QPainter& p, const QRectF& box, const QColor& adult, const QColor& child) {
    const auto figure = [&](double cx, double headY, double headR, double bodyRx, double bodyRy, const QColor& c) {
        const double base = box.bottom();
        QPainterPath body;
        body.moveTo(cx - bodyRx, base);
        body.arcTo(QRectF(cx - bodyRx, base - bodyRy, 2 * bodyRx, 2 * bodyRy), 180, -180);
        body.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(body);
        p.drawEllipse(QPointF(cx, headY), headR, headR);
    };
    const double w = box.width();
    const double h = box.height();
    figure(box.left() + 0.62 * w, box.top() + 0.20 * h, 0.16 * w, 0.30 * w, 0.48 * h, adult);
    figure(box.left() + 0.30 * w, box.top() + 0.47 * h, 0.12 * w, 0.22 * w, 0.30 * h, child);
}

// The application icon: the motif in white and light purple on a dark purple tile.
void Icon(QPainter& p, double size) {
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, kMid);
    fill.setColorAt(1, kDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const double r = size * 0.18;
    p.drawRoundedRect(QRectF(0, 0, size, size), r, r);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, size, size), r, r);
    p.setClipPath(clip);
    Figures(p, QRectF(size * 0.12, size * 0.14, size * 0.76, size * 0.86), kWhite, kLight);
    p.restore();
}

void Logo(QPainter& p, double w, double h) {
    const double disc = qMin(w, h * 0.72);
    const QRectF circle((w - disc) / 2, 0.02 * h, disc, disc);
    p.setPen(Qt::NoPen);
    p.setBrush(kPale);
    p.drawEllipse(circle);
    p.save();
    QPainterPath clip;
    clip.addEllipse(circle);
    p.setClipPath(clip);
    Figures(p, circle.adjusted(disc * 0.16, disc * 0.14, -disc * 0.16, 0), kDark, kLight);
    p.restore();
    p.setPen(QPen(kDark, disc * 0.03));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle.adjusted(disc * 0.015, disc * 0.015, -disc * 0.015, -disc * 0.015));
    p.setFont(Font(h * 0.22));
    p.setPen(kDark);
    p.drawText(QRectF(0, circle.bottom() + h * 0.01, w, h - circle.bottom()), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("ORVA"));
}

void Banner(QPainter& p, double w, double h) {
    QLinearGradient fill(0, 0, w, 0);
    fill.setColorAt(0, kDark);
    fill.setColorAt(1, kLight);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, w, h), h * 0.16, h * 0.16);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, w, h), h * 0.16, h * 0.16);
    p.setClipPath(clip);
    Figures(p, QRectF(h * 0.25, h * 0.16, h * 0.80, h * 0.84), kWhite, kLight);
    p.restore();
    const double textLeft = h * 1.25;
    p.setPen(kWhite);
    p.setFont(Font(h * 0.30));
    p.drawText(QRectF(textLeft, h * 0.10, w - textLeft, h * 0.50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Child and Adolescent Orvantis"));
    p.setPen(kPale);
    p.setFont(Font(h * 0.22, QFont::Normal));
    p.drawText(QRectF(textLeft, h * 0.56, w - textLeft, h * 0.34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ORVA 4.0"));
}

void ReportFormTitle(QPainter& p, double w, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawRect(QRectF(0, 0, w, h * 0.06));
    p.drawRect(QRectF(0, h * 0.94, w, h * 0.06));
    p.setPen(kDark);
    p.setFont(Font(h * 0.30));
    p.drawText(QRectF(0, h * 0.10, w, h * 0.46), Qt::AlignCenter, QStringLiteral("Child and Adolescent Orvantis"));
    p.setPen(kLight);
    p.setFont(Font(h * 0.24, QFont::Normal));
    p.drawText(QRectF(0, h * 0.54, w, h * 0.36), Qt::AlignCenter, QStringLiteral("Report Form"));
}

// Toolbar images, designed on a 16 x 16 grid (coordinates on pixel centres are n + 0.5).
void CompleteOnScreen(QPainter& p) {
    p.setPen(QPen(kDark, 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 10), 1, 1);
    p.setBrush(kDark);
    p.drawRect(QRectF(6.5, 11.5, 3, 1.5));
    p.drawRect(QRectF(4.5, 13.5, 7, 1));
    p.setPen(QPen(kMid, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(4.5, 6.5);
    tick.lineTo(7, 9);
    tick.lineTo(11.5, 4);
    p.drawPath(tick);
}

void EnterResponses(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(2.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 14.5);
    sheet.lineTo(2.5, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(kDark, 1));
    p.setBrush(kWhite);
    p.drawPath(sheet);
    p.setPen(QPen(kLight, 1));
    for (double y : {5.5, 8.0, 10.5}) {
        p.drawLine(QPointF(4.5, y), QPointF(9.5, y));
    }
    p.setPen(QPen(kDark, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.8, 6.2), QPointF(9.2, 11.8));
    p.setPen(Qt::NoPen);
    p.setBrush(kMid);
    QPainterPath tip;
    tip.moveTo(8.4, 11.0);
    tip.lineTo(10.0, 12.6);
    tip.lineTo(7.4, 13.6);
    tip.closeSubpath();
    p.drawPath(tip);
}

void Analysis(QPainter& p) {
    p.setPen(QPen(kDark, 1));
    p.setBrush(kLight);
    p.drawRect(QRectF(2.5, 8.5, 3, 5));
    p.setBrush(kMid);
    p.drawRect(QRectF(6.5, 5.5, 3, 8));
    p.setBrush(kDark);
    p.drawRect(QRectF(10.5, 2.5, 3, 11));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

void Print(QPainter& p) {
    p.setPen(QPen(kDark, 1));
    p.setBrush(kWhite);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setBrush(kWhite);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(QPen(kLight, 1));
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(9, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawRect(QRectF(11.5, 7, 1.5, 1.5));
}

void SaveAs(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(12.5, 1.5);
    disk.lineTo(14.5, 3.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setPen(QPen(kDark, 1));
    p.setBrush(kMid);
    p.drawPath(disk);
    p.setPen(Qt::NoPen);
    p.setBrush(kPale);
    p.drawRect(QRectF(4, 2, 7, 4.5));
    p.setBrush(kDark);
    p.drawRect(QRectF(8.5, 2.7, 1.5, 3));
    p.setBrush(kWhite);
    p.drawRect(QRectF(3.5, 8.5, 9, 5.5));
    p.setPen(QPen(kLight, 1));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void About(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(8, 4.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 6), 0.6, 0.6);
}

void Website(QPainter& p) {
    p.setPen(QPen(kDark, 1));
    p.setBrush(kPale);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMid, 1));
    p.drawEllipse(QPointF(8, 8), 2.8, 6.5);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(2.6, 4.8), QPointF(13.4, 4.8));
    p.drawLine(QPointF(2.6, 11.2), QPointF(13.4, 11.2));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.setPen(QPen(kDark, 1));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_artwork <resources folder>\n");
        return 2;
    }
    gOut = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gOut + QStringLiteral("/toolbar"));

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        Save(Render(size, size, 1.0, [size](QPainter& p) { Icon(p, size); }),
             QStringLiteral("icon/orva_%1.png").arg(size));
    }
    {
        // The same icon as a drawing, for desktops that scale it to any size.
        QSvgGenerator svg;
        svg.setFileName(QDir(gOut).filePath(QStringLiteral("icon/orva.svg")));
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRect(0, 0, 256, 256));
        svg.setTitle(QStringLiteral("ORVA"));
        QPainter p(&svg);
        p.setRenderHint(QPainter::Antialiasing);
        Icon(p, 256);
    }
    SavePng(64, 64, QStringLiteral("product"), [](QPainter& p) { Icon(p, 64); });
    // Sizes of the form's picture frames at the classic dialog-unit scale (1.5 x 1.625 pixels).
    SavePng(140, 127, QStringLiteral("logo"), [](QPainter& p) { Logo(p, 140, 127); });
    SavePng(402, 62, QStringLiteral("banner"), [](QPainter& p) { Banner(p, 402, 62); });

    const std::pair<const char*, void (*)(QPainter&)> tools[] = {
        {"complete_on_screen", CompleteOnScreen}, {"enter_responses", EnterResponses}, {"analysis", Analysis},
        {"print", Print}, {"save_as", SaveAs}, {"about", About}, {"website", Website}};
    for (const auto& [name, draw] : tools) {
        SavePng(16, 16, QStringLiteral("toolbar/") + QLatin1String(name), draw);
    }

    // The title page's two pictures: 2.33 x 2.255 inches and 6.5 x 1.31 inches, at 200 dpi.
    SaveBmp(233, 226, 2.0, QStringLiteral("Print_ORVA_logo.bmp"), [](QPainter& p) { Logo(p, 233, 226); });
    SaveBmp(650, 131, 2.0, QStringLiteral("Print_ORVA_Report_Form.bmp"),
            [](QPainter& p) { ReportFormTitle(p, 650, 131); });
    return 0;
}
