#pragma once

#include <QStringList>
#include <vector>

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace orva {

class ItemRow;

// A page of items (ten, or the last one alone) in the wording of the record's reporter, each
// answered on the six-point scale or left blank. For a Teacher-report the items not asked of
// teachers stay blank and are covered.
//
// In the reporter's look (a young person or a parent answering alone) the answers carry their
// words, "Read aloud" reads an item, blank items are asked about in plain words, and the page
// may show one item at a time: then Next and Back step through its asked items first.
class ItemsPage final : public WizardPage {
    Q_OBJECT

public:
    ItemsPage(WizardContext& context, int firstItem, int count, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;
    void Back() override;

    // Switches between the desk's look and the reporter's (`oneAtATime`: one item per screen;
    // `readAloud`: each item has a "Read aloud" button).
    void SetReporterLook(bool reporter, bool oneAtATime, bool readAloud);
    // One item per screen, on arrival: the first asked item, or the last when coming back.
    void ShowFirstItem();
    void ShowLastItem();
    // True unless one item per screen shows an item that has an asked item after it.
    bool AtLastItem() const;
    bool CanStepBack() const;
    // One item per screen: the next asked item after the shown one, once the shown one is
    // answered or left blank by choice; false when the reporter chose to answer it.
    bool StepForward();
    // One item per screen: the asked item before the shown one; false at the page's first.
    bool StepBack();
    // What reading an item aloud says: its wording as the reporter reads it, then the six
    // answer words. The item read is the one whose answers hold the focus, else the first shown.
    QStringList ReadingOfCurrentItem() const;
    // Every shown item read so, one after the other.
    QStringList ReadingOfShownItems() const;

signals:
    // A row's "Read aloud" was pressed: these texts are to be spoken.
    void ReadAloudRequested(const QStringList& texts);

private:
    void ApplyTeacherRule();
    bool Asked(const ItemRow& row) const;
    void Store();
    // True when no shown, asked row is blank or the user chose to leave them blank.
    bool BlanksAccepted();
    // One item per screen: shows `index` alone and gives its answers the focus.
    void ShowOnly(int index);
    int ShownIndex() const;
    int NextAsked(int from, int step) const;
    QStringList ReadingOf(const ItemRow& row) const;
    void PlaceRows();

    WizardContext& context_;
    QLineEdit* leadIn_;
    QGridLayout* grid_;
    std::vector<QLabel*> scaleLabels_;
    std::vector<ItemRow*> rows_;
    bool reporter_ = false;
    bool oneAtATime_ = false;
    bool readAloud_ = false;
};

}  // namespace orva
