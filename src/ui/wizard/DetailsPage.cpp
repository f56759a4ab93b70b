// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/DetailsPage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Prompter.h"
#include "ui/wizard/DateEntry.h"
#include "ui/wizard/EditState.h"
#include "ui/access/FieldLabel.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordTextEdit.h"
#include "ui/wizard/WizardTexts.h"
#include "model/ModelTexts.h"

namespace orva {

namespace w = texts::wizard;

namespace {

enum GenderButton { kMaleButton, kFemaleButton, kOtherButton };

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

std::string Stored(const QLineEdit* edit) {
    return RecordTextValidator::ToRecord(edit->text());
}

// Removes the blanks after a name (the space character only), as the checks see it.
QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    return text.left(end);
}

}  // namespace

DetailsPage::DetailsPage(WizardContext& context, QWidget* parent) : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("detailsPage"));
    Build();
    connect(qApp, &QApplication::focusChanged, this, &DetailsPage::FocusLeft);
}

DetailsPage::~DetailsPage() = default;

QLineEdit* DetailsPage::AddText(TextField field, const QString& name) {
    QLineEdit* edit = MakeRecordLineEdit(static_cast<int>(MaxLength(field)), name, this);
    texts_.emplace_back(field, edit);
    return edit;
}

void DetailsPage::Build() {
    const bool paper = context_.mode == WizardMode::Paper;
    heading_ = PageText(w::kHeadingSelf, QStringLiteral("headingLabel"), this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    firstName_ = AddText(TextField::FirstName, QStringLiteral("firstNameEdit"));
    lastName_ = AddText(TextField::LastName, QStringLiteral("lastNameEdit"));
    birth_ = new DateEntry(QStringLiteral("birth"), Utf8(w::kDateOfBirth), this);
    completion_ = new DateEntry(QStringLiteral("completion"), Utf8(w::kDateOfCompletion), this);
    age_ = new QLineEdit(this);
    age_->setObjectName(QStringLiteral("ageEdit"));
    age_->setReadOnly(true);
    age_->setFocusPolicy(Qt::NoFocus);
    age_->setFixedWidth(age_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);

    auto* genderBox = new QWidget(this);
    auto* genderRow = new QHBoxLayout(genderBox);
    genderRow->setContentsMargins(0, 0, 0, 0);
    gender_ = new QButtonGroup(this);
    const std::pair<const char*, const char*> genders[] = {
        {w::kMale, "maleRadio"}, {w::kFemale, "femaleRadio"}, {w::kOtherInvisible, "otherRadio"}};
    for (int id = kMaleButton; id <= kOtherButton; ++id) {
        auto* radio = new QRadioButton(Utf8(genders[id].first), genderBox);
        radio->setObjectName(QLatin1String(genders[id].second));
        radio->setAccessibleDescription(Utf8(w::kGender));
        gender_->addButton(radio, id);
        genderRow->addWidget(radio);
    }
    gender_->button(kOtherButton)->setVisible(false);
    genderRow->addStretch(1);

    QLineEdit* street = AddText(TextField::StreetAddress, QStringLiteral("streetAddressEdit"));
    QLineEdit* town = AddText(TextField::Town, QStringLiteral("townEdit"));
    QLineEdit* state = AddText(TextField::State, QStringLiteral("stateEdit"));
    QLineEdit* postcode = AddText(TextField::Postcode, QStringLiteral("postcodeEdit"));
    QLineEdit* country = AddText(TextField::Country, QStringLiteral("countryEdit"));
    QLineEdit* phone = AddText(TextField::Phone, QStringLiteral("phoneEdit"));
    QLineEdit* phone2 = AddText(TextField::Phone2, QStringLiteral("phone2Edit"));
    QLineEdit* email = AddText(TextField::Email, QStringLiteral("emailEdit"));
    schoolYear_ = AddText(TextField::SchoolYear, QStringLiteral("schoolYearEdit"));
    QLineEdit* school = AddText(TextField::School, QStringLiteral("schoolEdit"));
    schoolYear_->setFixedWidth(schoolYear_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);
    state->setMaximumWidth(state->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);

    auto* grid = new QGridLayout();
    int row = 0;
    auto addRow = [&](const char* label, QWidget* buddy, QWidget* field) {
        grid->addWidget(FieldLabel(label, buddy, this), row, 0);
        grid->addWidget(field, row++, 1);
    };
    addRow(w::kFirstName, firstName_, firstName_);
    addRow(w::kLastName, lastName_, lastName_);
    // The date rows' labels stand beside the digits, below the Day / Month / Year headings.
    grid->addWidget(FieldLabel(w::kDateOfBirth, birth_->Day(), this), row, 0, Qt::AlignBottom);
    grid->addWidget(birth_, row++, 1);
    grid->addWidget(FieldLabel(w::kDateOfCompletion, completion_->Day(), this), row, 0, Qt::AlignBottom);
    grid->addWidget(completion_, row++, 1);
    addRow(w::kAgeAtCompletion, age_, age_);
    grid->addWidget(new QLabel(Utf8(w::kGender), this), row, 0);
    grid->addWidget(genderBox, row++, 1);
    addRow(w::kStreetAddress, street, street);
    addRow(w::kTown, town, town);
    addRow(w::kState, state, state);
    addRow(paper ? w::kPostcodePaper : w::kPostcodeOnScreen, postcode, postcode);
    addRow(w::kCountry, country, country);
    auto* phones = new QWidget(this);
    auto* phoneRow = new QHBoxLayout(phones);
    phoneRow->setContentsMargins(0, 0, 0, 0);
    phoneRow->addWidget(phone);
    phoneRow->addWidget(phone2);
    addRow(paper ? w::kPhonesPaper : w::kPhonesOnScreen, phone, phones);
    phone2->setAccessibleName(phone->accessibleName() + QLatin1Char(' ') + Utf8(w::kSecondPhone));
    addRow(w::kEmail, email, email);
    auto* yearBox = new QWidget(this);
    auto* yearRow = new QHBoxLayout(yearBox);
    yearRow->setContentsMargins(0, 0, 0, 0);
    yearRow->addWidget(schoolYear_);
    QLabel* hint = PageText(w::kSchoolYearHint, QStringLiteral("schoolYearHintLabel"), yearBox);
    schoolYear_->setAccessibleDescription(hint->text());
    yearRow->addWidget(hint, 1);
    addRow(w::kSchoolYear, schoolYear_, yearBox);
    addRow(w::kSchool, school, school);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addWidget(PageText(w::kMandatoryNote, QStringLiteral("noteLabel"), this));
    layout->addStretch(1);

    // Tab follows the page from top to bottom, the second phone after the first.
    QWidget* order[] = {firstName_,       lastName_,        birth_->Day(),     birth_->Month(),
                        birth_->Year(),   completion_->Day(), completion_->Month(), completion_->Year(),
                        gender_->button(kMaleButton), gender_->button(kFemaleButton), street, town, state,
                        postcode, country, phone, phone2, email, schoolYear_, school};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// An edited record may keep the completion date it was read with, however long ago that was.
std::optional<Date> DetailsPage::KeptCompletion() const {
    if (context_.edit == nullptr) return std::nullopt;
    return context_.edit->reference.GetCompletionDate();
}

int DetailsPage::CurrentYear() const {
    return context_.clock.Now().year;
}

void DetailsPage::BecomeCurrent() {
    const AssessmentRecord& record = context_.record;
    const int reporter = record.GetReporter();
    heading_->setText(Utf8(reporter == kParent || reporter == kTeacher ? w::kHeadingObserved : w::kHeadingSelf));
    for (const auto& [field, edit] : texts_) edit->setText(RecordTextValidator::FromRecord(record.GetText(field)));

    if (datesPending_) {
        datesPending_ = false;
        if (const std::optional<Date> birth = record.GetBirthDate())
            birth_->Show(*birth);
        else
            birth_->Clear();
        const LocalDateTime now = context_.clock.Now();
        completion_->Show(record.GetCompletionDate().value_or(Date{now.year, now.month, now.day}));
        UpdateAge();
    }

    const char gender = record.GetGender();
    const int button = gender == 'M' ? kMaleButton : gender == 'F' ? kFemaleButton : -1;
    gender_->setExclusive(false);
    for (QAbstractButton* radio : gender_->buttons()) radio->setChecked(gender_->id(radio) == button);
    gender_->setExclusive(true);
    firstName_->setFocus();
}

void DetailsPage::FocusLeft(QWidget* from, QWidget* to) {
    if (from == nullptr || !isVisible()) return;
    if (birth_->Holds(from) || completion_->Holds(from)) {
        auto* field = static_cast<QLineEdit*>(from);
        (birth_->Holds(from) ? birth_ : completion_)->Tidy(field, CurrentYear());
        UpdateAge();
    } else if (from == schoolYear_ && to != nullptr && isAncestorOf(to)) {
        // Leaving for a wizard button runs the button's own checks instead.
        CheckSchoolYear();
    }
}

void DetailsPage::UpdateAge() {
    age_->setText(QString::fromStdString(AgeTextFor(birth_->Value(), completion_->Value())));
}

bool DetailsPage::CheckSchoolYear() {
    const SchoolYearCheck check = NormaliseSchoolYear(schoolYear_->text().toStdString());
    schoolYear_->setText(QString::fromStdString(check.value));
    if (check.valid) return true;
    context_.prompter.Message(Utf8(texts::kSchoolYearCaption), Utf8(texts::kSchoolYearMessage), MessageIcon::Stop);
    schoolYear_->setFocus();
    return false;
}

void DetailsPage::FocusOn(FocusField field) {
    QWidget* target = nullptr;
    switch (field) {
        case FocusField::FirstName: target = firstName_; break;
        case FocusField::LastName: target = lastName_; break;
        case FocusField::BirthDay: target = birth_->Day(); break;
        case FocusField::BirthMonth: target = birth_->Month(); break;
        case FocusField::BirthYear: target = birth_->Year(); break;
        case FocusField::CompletionDay: target = completion_->Day(); break;
        case FocusField::CompletionMonth: target = completion_->Month(); break;
        case FocusField::CompletionYear: target = completion_->Year(); break;
        case FocusField::SchoolYear: target = schoolYear_; break;
        case FocusField::None: break;
    }
    if (target != nullptr) target->setFocus();
}

bool DetailsPage::Next() {
    // Enter presses Next without leaving the field, so the checks of leaving a field run first.
    birth_->TidyAll(CurrentYear());
    completion_->TidyAll(CurrentYear());
    UpdateAge();
    if (!CheckSchoolYear()) return false;
    firstName_->setText(WithoutTrailingBlanks(firstName_->text()));
    lastName_->setText(WithoutTrailingBlanks(lastName_->text()));

    DetailsEntry entry;
    entry.firstName = Stored(firstName_);
    entry.lastName = Stored(lastName_);
    entry.birthDay = birth_->DayText();
    entry.birthMonth = birth_->MonthText();
    entry.birthYear = birth_->YearText();
    entry.completionDay = completion_->DayText();
    entry.completionMonth = completion_->MonthText();
    entry.completionYear = completion_->YearText();
    const LocalDateTime now = context_.clock.Now();
    if (const auto failure = CheckRespondentDetails(entry, Date{now.year, now.month, now.day}, KeptCompletion())) {
        context_.prompter.Message(Utf8(failure->caption), Utf8(failure->message), MessageIcon::Stop);
        FocusOn(failure->focus);
        return false;
    }
    StoreTextsAndGender();
    const Date birth = birth_->Value();
    const Date done = completion_->Value();
    // Both dates passed the checks above, the completion date against the same clock.
    AssumeAccepted(context_.record.SetBirthDate(birth.year, birth.month, birth.day));
    AssumeAccepted(context_.record.SetCompletionDate(done.year, done.month, done.day, context_.clock));
    return true;
}

void DetailsPage::Back() {
    StoreTextsAndGender();
}

void DetailsPage::StoreTextsAndGender() {
    AssessmentRecord& record = context_.record;
    for (const auto& [field, edit] : texts_) record.SetText(field, Stored(edit));
    // No choice keeps the record's code, whatever other program wrote it.
    const int chosen = gender_->checkedId();
    if (chosen == kMaleButton) AssumeAccepted(record.SetGender('M'));
    if (chosen == kFemaleButton) AssumeAccepted(record.SetGender('F'));
}

}  // namespace orva
