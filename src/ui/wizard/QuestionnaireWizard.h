#pragma once

#include <QDialog>
#include <QFlags>
#include <vector>

class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace orva {

class MoveOverride;
class Prompter;
class WizardPage;

// A modal wizard of pages over a stacked widget, so that nothing but the pages' own hooks
// ever checks, resets or stores a field. The title bar shows the current page's caption;
// Cancel, Escape and the close box all ask the page's cancel query.
class QuestionnaireWizard : public QDialog {
    Q_OBJECT

public:
    enum Button { kBack = 1, kNext = 2, kFinish = 4 };
    Q_DECLARE_FLAGS(Buttons, Button)

    QuestionnaireWizard(Prompter& prompter, QWidget* parent);

    int CurrentIndex() const;
    WizardPage* CurrentPage() const;
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // Shows the first page; call after the pages are added.
    void Start();
    // Makes page `index` current, with its caption and buttons, and lets it load itself; the
    // page that was current stores nothing (its hooks are for the one calling this).
    void ShowPage(int index);
    QPushButton* ButtonOf(Button which) const;
    QPushButton* CancelButton() const { return cancelButton_; }
    // While set, Back, Next and Cancel go to `moves` first; null gives them back.
    void SetMoveOverride(MoveOverride* moves) { moves_ = moves; }

    void reject() override;

signals:
    // After a page became current (its hook has run and the buttons are its own).
    void PageShown(int index);

protected:
    // Pages are added in order, each with its caption and the wizard buttons it offers.
    void AddPage(WizardPage* page, const QString& caption, Buttons buttons);
    // A button of the derived wizard's own, left of the wizard's.
    void AddOwnButton(QPushButton* button);

private:
    struct Entry {
        WizardPage* page;
        QScrollArea* frame;
        QString caption;
        Buttons buttons;
    };

    void OnBack();
    void OnNext();
    void OnFinish();

    Prompter& prompter_;
    QStackedWidget* stack_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
    QPushButton* finishButton_;
    QPushButton* cancelButton_;
    QHBoxLayout* buttonRow_;
    int ownButtons_ = 0;
    MoveOverride* moves_ = nullptr;
    std::vector<Entry> pages_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QuestionnaireWizard::Buttons)

}  // namespace orva
