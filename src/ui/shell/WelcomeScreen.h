#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

namespace orva {

// What the view shows while no analysis is shown: the logo and the banner at the places the
// analysis form gives them, and the welcome text at fixed pixel positions and colours.
class WelcomeScreen : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeScreen(QWidget* parent = nullptr);

    // Where the pictures are drawn: the form's picture frames (x, y, width, height in dialog
    // units 8, 7, 93, 78 and 169, 23, 268, 38) at the classic 1.5 x 1.625 pixels per unit.
    static QRect LogoRect() { return {12, 11, 140, 127}; }
    static QRect BannerRect() { return {253, 37, 402, 62}; }

    // The font the welcome lines are drawn in: a dialog-like sans serif, 11 pixels high.
    static QFont TextFont();
    // The welcome lines as one text, in reading order.
    static QString Text();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize contentSize_;
};

}  // namespace orva
