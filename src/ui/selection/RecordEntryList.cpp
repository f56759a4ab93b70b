#include "ui/selection/RecordEntryList.h"

#include <QFocusEvent>

namespace orva {

RecordEntryList::RecordEntryList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, [this](int entry) {
        if (quiet_) return;
        // A click on an entry makes it current, whatever was kept aside.
        aside_ = -1;
        emit CurrentEntryChanged(entry);
    });
}

int RecordEntryList::CurrentEntry() const {
    return aside_ >= 0 ? aside_ : currentRow();
}

void RecordEntryList::SetCurrentEntry(int entry) {
    if (hasFocus()) {
        setCurrentRow(entry, QItemSelectionModel::NoUpdate);
        return;
    }
    const int before = CurrentEntry();
    aside_ = entry;
    if (entry != before) emit CurrentEntryChanged(entry);
}

void RecordEntryList::Empty() {
    aside_ = -1;
    clear();
}

void RecordEntryList::SetCurrentQuietly(int entry) {
    quiet_ = true;
    setCurrentRow(entry, QItemSelectionModel::NoUpdate);
    quiet_ = false;
}

void RecordEntryList::focusInEvent(QFocusEvent* event) {
    // Back before the view sees the focus, so it does not make its first entry current instead.
    if (aside_ >= 0) {
        const int entry = aside_;
        aside_ = -1;
        SetCurrentQuietly(entry);
    }
    QListWidget::focusInEvent(event);
}

void RecordEntryList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    const int entry = currentRow();
    if (entry < 0) return;
    SetCurrentQuietly(-1);
    aside_ = entry;
}

}  // namespace orva
