#pragma once

#include <QDialog>
#include <QFlags>
#include <vector>

class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace orva {

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

    void reject() override;

protected:
    // Pages are added in order, each with its caption and the wizard buttons it offers.
    void AddPage(WizardPage* page, const QString& caption, Buttons buttons);

private:
    struct Entry {
        WizardPage* page;
        QScrollArea* frame;
        QString caption;
        Buttons buttons;
    };

    void GoTo(int index);
    void OnBack();
    void OnNext();
    void OnFinish();

    Prompter& prompter_;
    QStackedWidget* stack_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
    QPushButton* finishButton_;
    QPushButton* cancelButton_;
    std::vector<Entry> pages_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QuestionnaireWizard::Buttons)

}  // namespace orva
