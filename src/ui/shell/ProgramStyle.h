#pragma once

#include <QProxyStyle>

namespace orva {

// The program's look: the desktop's style as it is, except that
// - dialog and message box buttons show no icons (a green arrow on OK), which no other program
//   on a Linux desktop shows;
// - in a dark or high-contrast palette, the outlines of answer buttons, check boxes, fields and
//   framed texts are drawn in the palette's text colour where the style would draw them in a
//   shade of the window colour, which on a black window is black: the answer buttons would
//   vanish.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // Takes `base` over, as QProxyStyle does.
    explicit ProgramStyle(QStyle* base);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Puts the program's style over the application's current one, once.
    static void Install();
};

}  // namespace orva
