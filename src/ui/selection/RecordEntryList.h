#pragma once

#include <QListWidget>

namespace orva {

// The list of a person's matching records. Qt tells accessibility tools that a list's current
// entry has the focus even while a button holds it; this list keeps its current entry aside
// while it does not hold the focus, so a screen reader hears "focused" only where the keys go.
// Read the current entry with CurrentEntry(), not currentRow().
class RecordEntryList final : public QListWidget {
    Q_OBJECT

public:
    explicit RecordEntryList(QWidget* parent = nullptr);

    // The current entry, kept aside or not; -1 for none.
    int CurrentEntry() const;
    // Makes `entry` current without selecting it.
    void SetCurrentEntry(int entry);
    // Removes every entry.
    void Empty();

signals:
    // The user or the program made another entry current (not the list losing or taking focus).
    void CurrentEntryChanged(int entry);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SetCurrentQuietly(int entry);

    int aside_ = -1;
    bool quiet_ = false;
};

}  // namespace orva
