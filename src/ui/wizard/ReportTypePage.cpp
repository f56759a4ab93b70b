// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/ReportTypePage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ModelTexts.h"
#include "ui/Prompter.h"
#include "ui/access/FieldLabel.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordTextEdit.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

namespace {
int Limit(TextField field) {
    return static_cast<int>(MaxLength(field));
}
}  // namespace

ReportTypePage::ReportTypePage(WizardContext& context, QWidget* parent) : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("reportTypePage"));
    auto* layout = new QVBoxLayout(this);
    reporter_ = new QButtonGroup(this);
    const std::pair<const char*, const char*> radios[] = {
        {w::kSelfReport, "selfRadio"}, {w::kParentReport, "parentRadio"}, {w::kTeacherReport, "teacherRadio"}};
    for (int id = kSelf; id <= kTeacher; ++id) {
        auto* radio = new QRadioButton(QString::fromUtf8(radios[id].first), this);
        radio->setObjectName(QLatin1String(radios[id].second));
        reporter_->addButton(radio, id);
        layout->addWidget(radio);
    }
    layout->addSpacing(12);

    auto* group = new QGroupBox(QString::fromUtf8(w::kObserverGroup), this);
    group->setObjectName(QStringLiteral("observerGroup"));
    nameEdit_ = MakeRecordLineEdit(Limit(TextField::ObserverName), QStringLiteral("observerNameEdit"), group);
    relationshipEdit_ = MakeRecordLineEdit(Limit(TextField::ObserverRelationship),
                                           QStringLiteral("relationshipEdit"), group);
    contactEdit_ = new RecordTextEdit(Limit(TextField::ObserverContact), QStringLiteral("contactEdit"), group);
    contactEdit_->setFixedHeight(contactEdit_->fontMetrics().lineSpacing() * 4 + 12);
    auto* fields = new QGridLayout(group);
    fields->addWidget(FieldLabel(w::kObserverName, nameEdit_, group), 0, 0);
    fields->addWidget(nameEdit_, 0, 1);
    QLabel* relationship = FieldLabel(w::kObserverRelationship, relationshipEdit_, group);
    relationship->setWordWrap(true);
    fields->addWidget(relationship, 1, 0);
    fields->addWidget(relationshipEdit_, 1, 1);
    fields->addWidget(FieldLabel(w::kObserverContact, contactEdit_, group), 2, 0, Qt::AlignTop);
    fields->addWidget(contactEdit_, 2, 1);
    fields->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addWidget(PageText(w::kObserverNote, QStringLiteral("noteLabel"), this));
    layout->addStretch(1);

    connect(reporter_, &QButtonGroup::idClicked, this, &ReportTypePage::ApplyRadioRule);
}

void ReportTypePage::BecomeCurrent() {
    const AssessmentRecord& record = context_.record;
    const int reporter = record.GetReporter();
    reporter_->button(reporter >= kSelf && reporter <= kTeacher ? reporter : kSelf)->setChecked(true);
    nameEdit_->setText(RecordTextValidator::FromRecord(record.GetObserverName()));
    relationshipEdit_->setText(RecordTextValidator::FromRecord(record.GetObserverRelationship()));
    contactEdit_->SetText(RecordTextValidator::FromRecord(record.GetObserverContact()));
    ApplyRadioRule();
    reporter_->checkedButton()->setFocus();
}

void ReportTypePage::ApplyRadioRule() {
    const bool self = reporter_->checkedId() == kSelf;
    if (self) {
        nameEdit_->clear();
        relationshipEdit_->clear();
        contactEdit_->SetText({});
    }
    nameEdit_->setReadOnly(self);
    relationshipEdit_->setReadOnly(self);
    contactEdit_->setReadOnly(self);
}

bool ReportTypePage::Next() {
    // Becoming current always chooses a reporter, so one is chosen here.
    const int reporter = reporter_->checkedId();
    if (reporter != kSelf && nameEdit_->text().isEmpty()) {
        context_.prompter.Message(QString::fromUtf8(texts::kMandatoryField),
                                  QString::fromUtf8(w::kObserverNameMandatory), MessageIcon::Stop);
        nameEdit_->setFocus();
        return false;
    }
    AssessmentRecord& record = context_.record;
    AssumeAccepted(record.SetReporter(reporter));
    record.SetObserverName(RecordTextValidator::ToRecord(nameEdit_->text()));
    record.SetObserverRelationship(RecordTextValidator::ToRecord(relationshipEdit_->text()));
    record.SetObserverContact(RecordTextValidator::ToRecord(contactEdit_->Text()));
    return true;
}

}  // namespace orva
