#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "ui/reporter/ReporterLook.h"
#include "ui/reporter/ReporterOptions.h"
#include "ui/wizard/MoveOverride.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardContext.h"

class QPushButton;
class QShortcut;

namespace orva {

class HandBackPage;
class ItemsPage;
class QuestionnaireWizard;
class SavePage;
class Speaker;
class WizardPage;

// The on-screen wizard handed to a reporter (a young person or a parent) who answers alone.
// The clinician fills the first pages and presses "Hand over to reporter" on the details page;
// from then on the wizard is full screen, larger, and only the items pages and the comment
// page can be reached. Cancel fetches the clinician, whose answer to the cancel question
// decides. After the comment page the record is saved as Finish saves it, and the "Thank you"
// screen stays until the clinician takes the computer back; only then is the outcome of the
// save told, and after a failure the save page offers another file.
class ReporterMode final : public QObject, public MoveOverride {
    Q_OBJECT

public:
    // The pages of the wizard the mode moves among, by their place in it.
    struct Pages {
        int details;
        int firstItems;
        WizardPage* comment;
        int commentIndex;
        SavePage* save;
        int saveIndex;
        HandBackPage* handBack;
        int handBackIndex;
    };

    ReporterMode(QuestionnaireWizard& wizard, WizardContext& context, std::vector<ItemsPage*> items, Pages pages,
                 QPushButton* handOverButton);

    // Where read-aloud speaks; the speaker is asked for only at a hand-over and may be null.
    void SetSpeech(std::function<Speaker*()> speech) { speech_ = std::move(speech); }
    bool Active() const { return active_; }

    bool Back() override;
    bool Next() override;
    bool Cancel() override;

private:
    void HandOver();
    void Enter(const ReporterOptions& options);
    void Leave();
    void Arrived(int index);
    void SetButtons();
    ItemsPage* ItemsAt(int index) const;
    // Reads the item with the focus (or the first shown) aloud.
    void ReadCurrentItem();
    void ReadShownItems();
    void SaveAndHandBack();
    void TakeBack();

    QuestionnaireWizard& wizard_;
    WizardContext& context_;
    std::vector<ItemsPage*> items_;
    Pages pages_;
    QPushButton* handOverButton_;
    QShortcut* readKey_;
    ReporterLook look_;
    std::function<Speaker*()> speech_;
    Speaker* speaker_ = nullptr;
    ReporterOptions options_;
    bool active_ = false;
    // Arriving at an items page from the one after it: one item per screen starts at its last.
    bool arrivingBack_ = false;
    std::optional<SaveAttempt> saved_;
};

}  // namespace orva
