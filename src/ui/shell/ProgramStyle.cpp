#include "ui/shell/ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace orva {

namespace {

// A window colour this dark leaves the style's own outlines too faint to see.
constexpr int kDarkWindowLightness = 96;

bool OutlinesNeedHelp(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < kDarkWindowLightness;
}

// Between the text and the window colour, nearer the text: plainly visible, never as loud
// as the text itself.
QColor OutlineColour(const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    constexpr qreal kText = 0.65;
    return QColor::fromRgbF(text.redF() * kText + window.redF() * (1 - kText),
                            text.greenF() * kText + window.greenF() * (1 - kText),
                            text.blueF() * kText + window.blueF() * (1 - kText));
}

}  // namespace

ProgramStyle::ProgramStyle(QStyle* base) : QProxyStyle(base) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool outlined = element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox ||
                          element == PE_PanelLineEdit || element == PE_Frame;
    if (!outlined || !OutlinesNeedHelp(option->palette)) return;
    // A frame the widget asked not to have stays without one.
    if (element == PE_PanelLineEdit) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame == nullptr || frame->lineWidth <= 0) return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, element == PE_IndicatorRadioButton);
    painter->setPen(QPen(OutlineColour(option->palette), 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF edge = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (element == PE_IndicatorRadioButton)
        painter->drawEllipse(edge);
    else
        painter->drawRect(edge);
    painter->restore();
}

void ProgramStyle::Install() {
    if (qobject_cast<ProgramStyle*>(QApplication::style()) != nullptr) return;
    // The proxy takes the current style over, so the application does not delete it when
    // the proxy replaces it.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

}  // namespace orva
