// SPDX-License-Identifier: Apache-2.0
#include "ui/support/AccessibilityAudit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace orva::testsupport {

namespace {

// Roles a screen reader offers to act on.
bool IsControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
            return true;
        default:
            return false;
    }
}

// The roles a widget of a kind may be read as; none for the kinds not checked.
std::vector<QAccessible::Role> RolesOfKind(const QObject* object) {
    if (qobject_cast<const QRadioButton*>(object)) return {QAccessible::RadioButton};
    if (qobject_cast<const QCheckBox*>(object)) return {QAccessible::CheckBox};
    if (qobject_cast<const QPushButton*>(object)) return {QAccessible::Button, QAccessible::ButtonMenu};
    if (qobject_cast<const QToolButton*>(object))
        return {QAccessible::Button, QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::CheckBox};
    if (qobject_cast<const QLineEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object) ||
        qobject_cast<const QTextEdit*>(object))
        return {QAccessible::EditableText, QAccessible::StaticText};
    if (qobject_cast<const QComboBox*>(object)) return {QAccessible::ComboBox};
    if (qobject_cast<const QListView*>(object)) return {QAccessible::List};
    if (qobject_cast<const QTableView*>(object)) return {QAccessible::Table};
    if (qobject_cast<const QTreeView*>(object)) return {QAccessible::Tree};
    return {};
}

QString Describe(const QAccessibleInterface* iface) {
    const QObject* object = iface->object();
    QString what = QStringLiteral("role %1").arg(static_cast<int>(iface->role()), 0, 16);
    if (object == nullptr) return what + QStringLiteral(" \"") + iface->text(QAccessible::Name) + QLatin1Char('"');
    const QString name = object->objectName().isEmpty() ? QStringLiteral("(unnamed)") : object->objectName();
    return QStringLiteral("%1 (%2, %3)").arg(name, QString::fromLatin1(object->metaObject()->className()), what);
}

void Walk(QAccessibleInterface* iface, QStringList& faults) {
    if (iface == nullptr || !iface->isValid()) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    const QAccessible::Role role = iface->role();
    const bool named = !iface->text(QAccessible::Name).trimmed().isEmpty();
    // A table cell's name is what it holds, and an empty cell is read as blank.
    const bool cell = role == QAccessible::Cell;
    if ((IsControl(role) || state.focusable) && !named && !cell)
        faults << Describe(iface) + QStringLiteral(": no name");

    const QObject* object = iface->object();
    const std::vector<QAccessible::Role> roles = RolesOfKind(object);
    if (!roles.empty() && std::find(roles.begin(), roles.end(), role) == roles.end())
        faults << Describe(iface) + QStringLiteral(": wrong role");
    if (const auto* widget = qobject_cast<const QWidget*>(object); widget != nullptr &&
        (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
        (role == QAccessible::Client || role == QAccessible::NoRole))
        faults << Describe(iface) + QStringLiteral(": a Tab stop read as a filler");

    for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), faults);
}

}  // namespace

QStringList AccessibilityFaults(QWidget* window) {
    QStringList faults;
    Walk(QAccessible::queryAccessibleInterface(window), faults);
    return faults;
}

}  // namespace orva::testsupport
