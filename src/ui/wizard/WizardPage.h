#pragma once

#include <QWidget>

namespace orva {

class Prompter;

// One page of a questionnaire wizard, with the hooks the workflows are written in. The wizard
// calls them; none runs on its own.
class WizardPage : public QWidget {
    Q_OBJECT

public:
    explicit WizardPage(QWidget* parent = nullptr);

    // On every arrival, forward or back: load the controls from the record.
    virtual void BecomeCurrent() {}
    // Next pressed: check and store; false keeps the page.
    virtual bool Next() { return true; }
    // Back pressed: store what the page keeps on the way back.
    virtual void Back() {}
    // Finish pressed: false keeps the wizard open.
    virtual bool Finish() { return false; }
    // Cancel, Escape or the close box: true lets the wizard close without saving. Every page
    // of every questionnaire wizard asks the same question.
    virtual bool CancelQuery(Prompter& prompter);
};

}  // namespace orva
