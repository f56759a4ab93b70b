// SPDX-License-Identifier: Apache-2.0
#include "ui/selection/RecordSelectionDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <optional>

#include "model/AssessmentRecord.h"
#include "model/Cp1252.h"
#include "model/FileNameRules.h"
#include "model/ModelTexts.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/access/Announcer.h"
#include "ui/access/FieldLabel.h"
#include "ui/selection/RecordEntryList.h"
#include "ui/selection/RecordPath.h"
#include "ui/selection/SelectionTexts.h"
#include "ui/ProgramTexts.h"
#include "store/StoreMessages.h"
#include "ui/WaitCursor.h"

namespace orva {

namespace sel = texts::selection;

namespace {

// The text as records hold it; `unmappable` counts the characters they cannot hold.
std::string ToRecordText(const QString& text, int* unmappable = nullptr) {
    int count = 0;
    std::string bytes = Cp1252::FromUtf8(text.toStdString(), '?', &count);
    if (unmappable != nullptr) *unmappable += count;
    return bytes;
}

// Only the blank itself is removed, as the details pages remove it.
QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    return text.left(end);
}

QLineEdit* DigitsEdit(const QString& name, int digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(digits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    // Wide enough for its digits and a little air, no wider.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) + 8);
    edit->setAlignment(Qt::AlignHCenter);
    return edit;
}

// The label beside a field, which is also its name for a screen reader.
QLabel* Caption(const char* text, QWidget* field, QWidget* parent) {
    QLabel* label = FieldLabel(text, field, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

RecordSelectionDialog::RecordSelectionDialog(Prompter& prompter, const QString& fileText, const char* caption,
                                             const char* heading, const char* confirmText, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      clock_(&SystemClock::Instance()),
      fileSystem_(&DefaultFileSystem()),
      records_(std::make_unique<RecordList>(*fileSystem_)) {
    setWindowTitle(CoreText::Fixed(caption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* headingLabel = new QLabel(CoreText::Fixed(heading), this);
    headingLabel->setObjectName(QStringLiteral("headingLabel"));
    layout->addWidget(headingLabel);

    auto* fields = new QGridLayout();
    firstNameEdit_ = new QLineEdit(this);
    firstNameEdit_->setObjectName(QStringLiteral("firstNameEdit"));
    firstNameEdit_->setMaxLength(static_cast<int>(MaxLength(TextField::FirstName)));
    lastNameEdit_ = new QLineEdit(this);
    lastNameEdit_->setObjectName(QStringLiteral("lastNameEdit"));
    lastNameEdit_->setMaxLength(static_cast<int>(MaxLength(TextField::LastName)));
    fields->addWidget(Caption(sel::kFirstName, firstNameEdit_, this), 0, 0);
    fields->addWidget(firstNameEdit_, 0, 1);
    fields->addWidget(Caption(sel::kLastName, lastNameEdit_, this), 1, 0);
    fields->addWidget(lastNameEdit_, 1, 1);

    dayEdit_ = DigitsEdit(QStringLiteral("birthDayEdit"), 2, this);
    monthEdit_ = DigitsEdit(QStringLiteral("birthMonthEdit"), 2, this);
    yearEdit_ = DigitsEdit(QStringLiteral("birthYearEdit"), 4, this);
    auto* date = new QGridLayout();
    date->setHorizontalSpacing(4);
    date->setVerticalSpacing(0);
    int column = 0;
    for (auto [edit, name] :
         {std::pair{dayEdit_, sel::kDay}, {monthEdit_, sel::kMonth}, {yearEdit_, sel::kYear}}) {
        if (column > 0) date->addWidget(new QLabel(CoreText::Fixed(sel::kDateSeparator), this), 1, column++);
        auto* label = new QLabel(CoreText::Fixed(name), this);
        label->setAlignment(Qt::AlignHCenter);
        label->setBuddy(edit);
        // "Date of Birth: Day", as the details pages name their date fields.
        edit->setAccessibleName(CoreText::Fixed(sel::kDateOfBirth) + QLatin1Char(' ') + label->text());
        date->addWidget(label, 0, column);
        date->addWidget(edit, 1, column++);
        edit->installEventFilter(this);
    }
    date->setColumnStretch(column, 1);
    fields->addWidget(Caption(sel::kDateOfBirth, dayEdit_, this), 3, 0);
    fields->addLayout(date, 2, 1, 2, 1);

    fileEdit_ = new QLineEdit(fileText, this);
    fileEdit_->setObjectName(QStringLiteral("fileEdit"));
    fileEdit_->setMinimumWidth(fileEdit_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
    auto* file = new QHBoxLayout();
    file->addWidget(fileEdit_, 1);
    file->addWidget(new QLabel(CoreText::Fixed(sel::kRecordSuffix), this));
    fields->addWidget(Caption(sel::kFromDataFile, fileEdit_, this), 4, 0);
    fields->addLayout(file, 4, 1);
    auto* browseButton = new QPushButton(CoreText::Fixed(sel::kBrowse), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    browseButton->setAutoDefault(false);
    fields->addWidget(browseButton, 5, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto* noteGroup = new QGroupBox(CoreText::Fixed(sel::kNoteGroup), this);
    noteGroup->setObjectName(QStringLiteral("noteGroup"));
    auto* noteLayout = new QVBoxLayout(noteGroup);
    auto* noteLabel =
        new QLabel(CoreText::Fixed(sel::kPrivacyNote) + QLatin1Char('\n') + CoreText::Fixed(sel::kFeedbackInvitation) +
                       CoreText::Fixed(texts::kWebAddress), noteGroup);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noteLayout->addWidget(noteLabel);
    layout->addWidget(noteGroup);

    auto* selectGroup = new QGroupBox(CoreText::Fixed(sel::kSelectGroup), this);
    selectGroup->setObjectName(QStringLiteral("selectGroup"));
    auto* selectLayout = new QVBoxLayout(selectGroup);
    auto* loadButton = new QPushButton(CoreText::Fixed(sel::kLoadButton), selectGroup);
    loadButton->setObjectName(QStringLiteral("loadButton"));
    loadButton->setAutoDefault(false);
    selectLayout->addWidget(loadButton, 0, Qt::AlignLeft);
    instruction_ = new QLabel(CoreText::Fixed(sel::kSelectInstruction), selectGroup);
    instruction_->setObjectName(QStringLiteral("instructionLabel"));
    selectLayout->addWidget(instruction_);
    list_ = new RecordEntryList(selectGroup);
    list_->setObjectName(QStringLiteral("recordList"));
    instruction_->setBuddy(list_);
    list_->setAccessibleName(CoreText::Fixed(sel::kMatchingRecords));
    list_->setMinimumHeight(list_->fontMetrics().height() * 7);
    selectLayout->addWidget(list_);
    layout->addWidget(selectGroup, 1);

    extraArea_ = new QVBoxLayout();
    layout->addLayout(extraArea_);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* confirmButton = new QPushButton(CoreText::Fixed(confirmText), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setDefault(true);
    auto* cancelButton = new QPushButton(CoreText::Fixed(sel::kCancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, &RecordSelectionDialog::Browse);
    connect(loadButton, &QPushButton::clicked, this, &RecordSelectionDialog::LoadMatching);
    connect(confirmButton, &QPushButton::clicked, this, [this] { Confirm(); });
    // The two clicks of a double-click toggle a multi-selection entry off again; the entry
    // double-clicked is always part of the choice it confirms.
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        Confirm();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    firstNameEdit_->setFocus();
}

void RecordSelectionDialog::SetListInstruction(const char* text) {
    instruction_->setText(CoreText::Fixed(text));
}

QString RecordSelectionDialog::FileText() const {
    return fileEdit_->text();
}

void RecordSelectionDialog::SetFileSystem(FileSystem& fileSystem) {
    fileSystem_ = &fileSystem;
    records_ = std::make_unique<RecordList>(fileSystem);
    list_->Empty();
    firstRow_ = -1;
    loadedFile_ = {};
}

int RecordSelectionDialog::CurrentYear() const {
    return clock_->Now().year;
}

bool RecordSelectionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (QLineEdit* edit : {dayEdit_, monthEdit_, yearEdit_})
            if (watched == edit) Tidy(edit);
    return QDialog::eventFilter(watched, event);
}

void RecordSelectionDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The date field still being typed in is tidied as leaving it would; the others already are.
        for (QLineEdit* edit : {dayEdit_, monthEdit_, yearEdit_}) Tidy(edit);
        if (CurrentCriteria() != lastLoad_) {
            LoadMatching();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// The date fields are tidied as the details page tidies them; no age is shown here.
void RecordSelectionDialog::Tidy(QLineEdit* edit) {
    const std::string text = edit->text().toStdString();
    std::string tidied;
    if (edit == dayEdit_)
        tidied = TidyDay(text);
    else if (edit == monthEdit_)
        tidied = TidyMonth(text);
    else
        tidied = TidyYear(text, CurrentYear());
    edit->setText(QString::fromStdString(tidied));
}

void RecordSelectionDialog::Browse() {
    const QString chosen = prompter_.OpenFileName(QString(), InBaseFolder(RecordFileOnDisk(fileEdit_->text())),
                                                  CoreText::Fixed(sel::kBrowseFilter));
    if (chosen.isEmpty()) return;
    const QString withoutExtension = AcceptBrowsedRecordPath(chosen);
    if (withoutExtension.isEmpty()) {
        prompter_.Message(CoreText::Fixed(texts::kIncorrectFileName), CoreText::Fixed(texts::kBrowseRecordFile), MessageIcon::Stop);
        return;
    }
    fileEdit_->setText(withoutExtension);
}

RecordSelectionDialog::Criteria RecordSelectionDialog::CurrentCriteria() const {
    return {firstNameEdit_->text(), lastNameEdit_->text(), dayEdit_->text(),
            monthEdit_->text(),     yearEdit_->text(),     fileEdit_->text()};
}

void RecordSelectionDialog::FocusOn(FocusField field) {
    switch (field) {
        case FocusField::FirstName:
            firstNameEdit_->setFocus();
            break;
        case FocusField::LastName:
            lastNameEdit_->setFocus();
            break;
        case FocusField::BirthDay:
            dayEdit_->setFocus();
            break;
        case FocusField::BirthMonth:
            monthEdit_->setFocus();
            break;
        case FocusField::BirthYear:
            yearEdit_->setFocus();
            break;
        default:
            break;
    }
}

StoreResult<int> RecordSelectionDialog::LoadRecords(const std::string& fullPath) {
    return records_->Load(fullPath, /*readOnly=*/true, /*sort=*/true);
}

void RecordSelectionDialog::LoadMatching() {
    // Names are compared exactly, so blanks typed after them would never match.
    firstNameEdit_->setText(WithoutTrailingBlanks(firstNameEdit_->text()));
    lastNameEdit_->setText(WithoutTrailingBlanks(lastNameEdit_->text()));
    lastLoad_ = CurrentCriteria();
    list_->Empty();
    firstRow_ = -1;
    loadedFile_ = {};
    loadedPerson_ = {};

    // A name with a character that no record can hold matches no record.
    int unmappable = 0;
    const PersonEntry person{ToRecordText(lastLoad_.firstName, &unmappable),
                             ToRecordText(lastLoad_.lastName, &unmappable), lastLoad_.day.toStdString(),
                             lastLoad_.month.toStdString(), lastLoad_.year.toStdString()};
    const LocalDateTime now = clock_->Now();
    if (const auto failure = CheckSelectionPerson(person, Date{now.year, now.month, now.day})) {
        prompter_.Message(CoreText::Fixed(failure->caption), CoreText::Fixed(failure->message), MessageIcon::Stop);
        FocusOn(failure->focus);
        return;
    }
    const RecordPathCheck path = CheckRecordPath(lastLoad_.file);
    if (!path.ok) {
        prompter_.Message(CoreText::Fixed(texts::kIncorrectFileName), path.message, MessageIcon::Stop);
        return;
    }

    const StoreResult<int> loaded = [&] {
        WaitCursor wait;
        return LoadRecords(path.file.OnDisk());
    }();
    if (const auto message = LoadResultMessage(loaded, ToRecordText(path.name))) prompter_.Message(*message);
    if (!loaded) return;

    const std::optional<RowRun> run =
        unmappable > 0 ? std::nullopt
                       : records_->Find(person.firstName, person.lastName, FieldNumber(person.birthYear),
                                        FieldNumber(person.birthMonth), FieldNumber(person.birthDay));
    if (!run) {
        prompter_.Message(NoMatchingRecordsMessage());
        return;
    }
    firstRow_ = run->first;
    loadedFile_ = path.file;
    loadedPerson_ = person;
    for (int row = run->first; row <= run->last; ++row) list_->addItem(EntryText(records_->Row(row)));
    // The list fills where the focus is not: the count is said for those who cannot see it.
    Announcer::Announce(this, CoreText::Fixed(sel::kMatchingRecordsFound).arg(list_->count()));
    ListFilled();
    FirstEntryBecomesCurrent();
}

void RecordSelectionDialog::FirstEntryBecomesCurrent() {
    list_->SetCurrentEntry(0);
}

QString RecordSelectionDialog::EntryText(const RecordRow& row) {
    QString text = CoreText::Fixed(sel::kSavedPrefix) + CoreText::ToQt(ShortDateTime(row.saved)) +
                   CoreText::Fixed(sel::kLabelGap) + CoreText::ToQt(ReporterListLabel(row.reporter));
    if (row.reporter == kParent || row.reporter == kTeacher)
        text += CoreText::Fixed(sel::kAssessmentBy) + CoreText::ToQt(row.observerName);
    return text;
}

bool RecordSelectionDialog::CriteriaStillHoldOrContinue() {
    if (CurrentCriteria() == lastLoad_) return true;
    const int answer =
        prompter_.Choose(CoreText::Fixed(sel::kChangedCriteriaCaption), CoreText::Fixed(sel::kChangedCriteria),
                         {CoreText::Fixed(sel::kContinue), CoreText::Fixed(sel::kCancel)}, 0, MessageIcon::Exclamation);
    return answer == 0;
}

}  // namespace orva
