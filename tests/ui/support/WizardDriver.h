// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "model/ItemCatalogue.h"
#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "ui/commands/RecordSaver.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/wizard/OnScreenWizard.h"
#include "ui/wizard/WizardPage.h"
#include "ui/wizard/WizardTexts.h"

// Drives the on-screen wizard as a user does: typed keys and clicks on the real widgets.
namespace orva::wizard_test {

namespace w = texts::wizard;
using testsupport::Prompt;
using testsupport::ScriptedPrompter;

inline QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Today for every wizard test: 15 June 2026.
inline const FixedClock& Today() {
    static const FixedClock clock(LocalDateTime{2026, 6, 15, 10, 30, 0});
    return clock;
}

inline QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

// The person typed on the details page.
struct Person {
    QString first = QStringLiteral("Alex");
    QString last = QStringLiteral("Citizen");
    QString birthDay = QStringLiteral("15");
    QString birthMonth = QStringLiteral("3");
    QString birthYear = QStringLiteral("12");
    QString street = QStringLiteral("1 Main Road");
    QString schoolYear = QStringLiteral("k");
};

// Works a wizard that is shown, answering its prompts through `prompter`.
class Driver {
public:
    Driver(QuestionnaireWizard& wizard, ScriptedPrompter& prompter) : wizard_(&wizard), prompter_(prompter) {}

    QuestionnaireWizard& Wizard() { return *wizard_; }
    ScriptedPrompter& Prompts() { return prompter_; }

    template <typename Widget = QWidget>
    Widget* Find(const QString& name) {
        QWidget* page = wizard_->CurrentPage();
        auto* widget = page != nullptr ? page->findChild<Widget*>(name) : nullptr;
        if (widget == nullptr) widget = wizard_->findChild<Widget*>(name);
        if (widget == nullptr) qWarning("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit* Edit(const QString& name) { return Find<QLineEdit>(name); }

    // Replaces a field's text by typing, the focus in the field; a line break is typed as Enter.
    void Type(const QString& field, const QString& text) {
        QWidget* widget = Find(field);
        widget->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(widget)) line->clear();
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) box->clear();
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(widget, Qt::Key_Return);
            QTest::keyClicks(widget, lines[i]);
        }
    }
    // Clicks as a user does: on a page laid out since it was shown, near the start of the
    // button, where a radio button's label is.
    void Click(const QString& name) { ClickOn(Find<QAbstractButton>(name)); }
    static void ClickOn(QAbstractButton* button) {
        QCoreApplication::processEvents();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(qMin(button->width() / 2, 10), button->height() / 2));
    }
    // Types characters one key event each, also those beyond Latin-1 that keyClicks cannot send.
    void TypeChars(const QString& field, const QString& text) {
        QWidget* widget = Find(field);
        widget->setFocus();
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
    // Presses Enter in the focused field without leaving it.
    void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void Next() { Click(QStringLiteral("nextButton")); }
    void Back() { Click(QStringLiteral("backButton")); }
    void Finish() { Click(QStringLiteral("finishButton")); }
    int Page() const { return wizard_->CurrentIndex() + 1; }
    // The screen as the user sees it, once its layout has settled.
    void Snap(const QString& name) {
        QCoreApplication::processEvents();
        testsupport::SaveSnapshot(wizard_, name);
    }

    // Pages 1 and 2 for `reporter` (0 Self, 1 Parent, 2 Teacher), to the details page.
    void ToDetails(int reporter, const QString& file) {
        Type(QStringLiteral("fileEdit"), file);
        Next();
        const char* radios[] = {"selfRadio", "parentRadio", "teacherRadio"};
        Click(QLatin1String(radios[reporter]));
        reporter_ = reporter;
        if (reporter != kSelf) {
            Type(QStringLiteral("observerNameEdit"), QStringLiteral("Pat Citizen"));
            Type(QStringLiteral("relationshipEdit"), QStringLiteral("Mother"));
            Type(QStringLiteral("contactEdit"), QStringLiteral("0400 000 000\nafter 5 pm"));
        }
        Next();
    }

    // Pages 1 to 3, to the first items page.
    void ThroughDetails(int reporter, const QString& file, const Person& person = {}) {
        ToDetails(reporter, file);
        FillDetails(person);
        Next();
    }

    // Types the person into the details page.
    void FillDetails(const Person& person = {}) {
        Type(QStringLiteral("firstNameEdit"), person.first);
        Type(QStringLiteral("lastNameEdit"), person.last);
        Type(QStringLiteral("birthDayEdit"), person.birthDay);
        Type(QStringLiteral("birthMonthEdit"), person.birthMonth);
        Type(QStringLiteral("birthYearEdit"), person.birthYear);
        Click(QStringLiteral("femaleRadio"));
        Type(QStringLiteral("streetAddressEdit"), person.street);
        Type(QStringLiteral("schoolYearEdit"), person.schoolYear);
        Type(QStringLiteral("schoolEdit"), QStringLiteral("Hill School"));
    }

    // Answers the items of the current items page by clicking, `answer(item)` giving 0..5 or -1
    // to leave it blank; items covered for teachers are left alone.
    void AnswerPage(const std::function<int(int)>& answer, int first, int count) {
        for (int item = first; item < first + count; ++item) {
            const int value = answer(item);
            auto* button = Find<QAbstractButton>(QStringLiteral("item%1Answer%2Radio").arg(item).arg(value < 0 ? 0 : value));
            if (value >= 0 && button->isVisible()) ClickOn(button);
        }
    }

    // Pages 4 to 15, going on past "Blank Items" when a page has blanks.
    void AnswerAll(const std::function<int(int)>& answer) {
        for (int first = 1; first <= kItemCount; first += 10) {
            const int count = std::min(10, kItemCount - first + 1);
            AnswerPage(answer, first, count);
            Snap(QStringLiteral("wizard_page%1_%2").arg(Page()).arg(reporter_));
            bool blank = false;
            for (int item = first; item < first + count; ++item)
                if (answer(item) < 0 && !(reporter_ == kTeacher && !ItemCatalogue::InTeacherReport(item)))
                    blank = true;
            if (blank) prompter_.ExpectChoice(0);
            Next();
        }
    }

private:
    QuestionnaireWizard* wizard_;
    ScriptedPrompter& prompter_;
    int reporter_ = kSelf;
};

// What a run owns, built before the driver that works on it.
struct RunState {
    RunState(const QString& fileName, const AssessmentRecord& start)
        : record(start),
          name(fileName),
          saver(record, nullptr, Today()),
          wizard(std::make_unique<OnScreenWizard>(record, name, saver.Function(), prompter, Today())) {}
    AssessmentRecord record;
    QString name;
    ScriptedPrompter prompter;
    WizardRecordSaver saver;  // as the command saves
    std::unique_ptr<OnScreenWizard> wizard;
};

// One wizard run over its own record and file name, shown as the active window.
class Run : private RunState, public Driver {
public:
    explicit Run(const QString& fileName = {}, const AssessmentRecord& start = {})
        : RunState(fileName, start), Driver(*wizard, prompter) {
        wizard->show();
        QApplication::setActiveWindow(wizard.get());
        if (!QTest::qWaitForWindowActive(wizard.get())) qWarning("wizard not active");
    }

    AssessmentRecord& Record() { return record; }
    const QString& FileName() const { return name; }
};

// Reads record `position` of the file back with the store's own functions.
inline bool ReadBack(const QString& path, int position, AssessmentRecord& record) {
    const StoreResult<StoredRecord> stored = RecordFile(Today()).ReadRecordAt(FileSystemPath(path), position);
    return stored && DecodeFromStorage(record, stored->data()).Ok();
}

}  // namespace orva::wizard_test
