// SPDX-License-Identifier: Apache-2.0
#include "ui/support/ClippingAudit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QWidget>

namespace orva::testsupport {

namespace {

// A pixel of rounding either way is no cut.
constexpr int kSlack = 1;

QString Name(const QWidget* widget) {
    const QString name = widget->objectName().isEmpty() ? QStringLiteral("(unnamed)") : widget->objectName();
    return QStringLiteral("%1 (%2)").arg(name, QString::fromLatin1(widget->metaObject()->className()));
}

QString Needs(const QSize& need, const QSize& has) {
    return QStringLiteral("needs %1x%2, has %3x%4").arg(need.width()).arg(need.height()).arg(has.width()).arg(has.height());
}

bool Fits(const QSize& need, const QSize& has) {
    return need.width() <= has.width() + kSlack && need.height() <= has.height() + kSlack;
}

// The widest line of a text that is not wrapped.
int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

void CheckCells(const QAbstractItemView& view, const QString& where, QStringList& faults) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) return;
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const QRect shown = view.viewport()->rect();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QRect cell = view.visualRect(index);
            const QString text = index.data().toString();
            if (text.isEmpty() || !cell.intersects(shown)) continue;
            const QVariant font = index.data(Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view.font());
            const QRect room = cell.adjusted(margin, 0, -margin, 0);
            const QSize need = view.property("wordWrap").toBool()
                                   ? metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text).size()
                                   : QSize(WidestLine(metrics, text), metrics.height() * int(text.count(QLatin1Char('\n')) + 1));
            if (!Fits(need, room.size()))
                faults << QStringLiteral("%1 cell %2,%3 \"%4\": %5")
                              .arg(where).arg(row).arg(column).arg(text.left(30), Needs(need, room.size()));
        }
    }
}

void CheckHeader(const QHeaderView& header, const QString& where, QStringList& faults) {
    if (header.orientation() != Qt::Horizontal || header.model() == nullptr) return;
    const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section)) continue;
        const QString text = header.model()->headerData(section, Qt::Horizontal).toString();
        const int need = WidestLine(header.fontMetrics(), text) + margin;
        if (need > header.sectionSize(section) + kSlack)
            faults << QStringLiteral("%1 heading %2 \"%3\": needs %4, has %5")
                          .arg(where).arg(section).arg(text.left(30)).arg(need).arg(header.sectionSize(section));
    }
}

}  // namespace

QStringList ClippedTexts(QWidget* window) {
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) continue;
        const QString where = Name(widget);
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
            const QSize need = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            if (!Fits(need, label->size())) faults << where + QStringLiteral(" \"") + label->text().left(30) +
                                                          QStringLiteral("\": ") + Needs(need, label->size());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty()) {
            if (!Fits(button->minimumSizeHint(), button->size()))
                faults << where + QStringLiteral(" \"") + button->text() + QStringLiteral("\": ") +
                              Needs(button->minimumSizeHint(), button->size());
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            CheckHeader(*header, where, faults);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            CheckCells(*view, where, faults);
        }
        // Whatever lies in a scrolling area may run past its edge; elsewhere nothing may.
        QWidget* parent = widget->parentWidget();
        const bool scrolls = parent != nullptr && parent->parentWidget() != nullptr &&
                             qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) != nullptr &&
                             qobject_cast<QAbstractScrollArea*>(parent->parentWidget())->viewport() == parent;
        if (parent != nullptr && !scrolls && !widget->size().isEmpty() && !parent->rect().adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(widget->geometry()))
            faults << where + QStringLiteral(" sticks out of ") + Name(parent);
    }
    return faults;
}

}  // namespace orva::testsupport
