#include "ui/QtPrompter.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/ProgramTexts.h"

namespace orva {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A prompt that comes while the wait cursor shows (a question in the middle of a run) wants the
// user's answer: the pointer is the normal one for as long as it is open.
class NormalCursorWhilePrompting {
  public:
    NormalCursorWhilePrompting() { QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor)); }
    ~NormalCursorWhilePrompting() { QGuiApplication::restoreOverrideCursor(); }
    NormalCursorWhilePrompting(const NormalCursorWhilePrompting&) = delete;
    NormalCursorWhilePrompting& operator=(const NormalCursorWhilePrompting&) = delete;
};

}  // namespace

QString QtPrompter::ShownCaption(const QString& caption) {
    return caption.isEmpty() ? QString::fromLatin1(texts::kAppTitle) : caption;
}

QWidget* QtPrompter::Parent() const {
    if (parent_) {
        return parent_.data();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void QtPrompter::Message(const QString& caption, const QString& text, MessageIcon icon) {
    const NormalCursorWhilePrompting normalCursor;
    QMessageBox box(ToQt(icon), ShownCaption(caption), text, QMessageBox::Ok, Parent());
    box.exec();
}

bool QtPrompter::AskYesNo(const QString& caption, const QString& text, MessageIcon icon, bool defaultYes) {
    const NormalCursorWhilePrompting normalCursor;
    QMessageBox box(ToQt(icon), ShownCaption(caption), text, QMessageBox::Yes | QMessageBox::No, Parent());
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box must never count as Yes: that would replace a file nobody agreed to.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

int QtPrompter::Choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
                       MessageIcon icon) {
    const NormalCursorWhilePrompting normalCursor;
    QMessageBox box(ToQt(icon), ShownCaption(caption), text, QMessageBox::NoButton, Parent());
    QList<QPushButton*> pushButtons;
    for (const QString& label : buttons) {
        pushButtons << box.addButton(label, QMessageBox::ActionRole);
    }
    if (defaultIndex >= 0 && defaultIndex < pushButtons.size()) {
        box.setDefaultButton(pushButtons[defaultIndex]);
    }
    // An unseen escape button lets Esc and the close box answer "closed" (-1).
    QPushButton* closed = box.addButton(QMessageBox::Cancel);
    closed->hide();
    box.setEscapeButton(closed);
    box.exec();
    return static_cast<int>(pushButtons.indexOf(box.clickedButton()));
}

QString QtPrompter::SaveFileName(const QString& caption, const QString& startPath, const QString& filter) {
    const NormalCursorWhilePrompting normalCursor;
    // The workflows ask about replacing a file themselves (or append to it), so the box must not.
    return QFileDialog::getSaveFileName(Parent(), caption, startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::OpenFileName(const QString& caption, const QString& startPath, const QString& filter) {
    const NormalCursorWhilePrompting normalCursor;
    return QFileDialog::getOpenFileName(Parent(), caption, startPath, filter);
}

}  // namespace orva
