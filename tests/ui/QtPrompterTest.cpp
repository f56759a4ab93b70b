// SPDX-License-Identifier: Apache-2.0
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "ui/QtPrompter.h"
#include "ui/WaitCursor.h"
#include "ui/support/UiTestSupport.h"

using orva::MessageIcon;
using orva::QtPrompter;
using orva::testsupport::WhenModalShown;

namespace {

QMessageBox* Box(QWidget* w) {
    return qobject_cast<QMessageBox*>(w);
}

QStringList VisibleButtonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) {
        if (b->isVisibleTo(box)) {
            texts << b->text().remove(QLatin1Char('&'));
        }
    }
    return texts;
}

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* b : box->buttons()) {
        if (b->text().remove(QLatin1Char('&')) == text) {
            return b;
        }
    }
    return nullptr;
}

}  // namespace

// The real boxes: captions, icons, default buttons and what closing them answers.
class QtPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void messageWithoutCaptionShowsTheApplicationTitle() {
        QtPrompter prompter;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        auto ran = WhenModalShown([&](QWidget* w) {
            QMessageBox* box = Box(w);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = VisibleButtonTexts(box);
            orva::testsupport::SaveSnapshot(box, QStringLiteral("message_box"));
            box->button(QMessageBox::Ok)->click();
        });
        prompter.Message(QString(), QStringLiteral("No records were found."), MessageIcon::Stop);
        QVERIFY(*ran);
        QCOMPARE(title, QStringLiteral("ORVA"));
        QCOMPARE(text, QStringLiteral("No records were found."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    }

    void questionAskedWhileWaitingShowsTheNormalPointer() {
        QtPrompter prompter;
        const orva::WaitCursor waiting;
        Qt::CursorShape during = Qt::WaitCursor;
        auto ran = WhenModalShown([&](QWidget* w) {
            during = QGuiApplication::overrideCursor()->shape();
            Box(w)->button(QMessageBox::No)->click();
        });
        prompter.AskYesNo(QStringLiteral("File Exists"), QStringLiteral("Replace?"), MessageIcon::Exclamation, false);
        QVERIFY(*ran);
        QCOMPARE(during, Qt::ArrowCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void iconsMapToTheToolkitsIcons_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("expected");
        QTest::newRow("stop") << int(MessageIcon::Stop) << int(QMessageBox::Critical);
        QTest::newRow("exclamation") << int(MessageIcon::Exclamation) << int(QMessageBox::Warning);
        QTest::newRow("information") << int(MessageIcon::Information) << int(QMessageBox::Information);
        QTest::newRow("question") << int(MessageIcon::Question) << int(QMessageBox::Question);
        QTest::newRow("none") << int(MessageIcon::None) << int(QMessageBox::NoIcon);
    }

    void iconsMapToTheToolkitsIcons() {
        QFETCH(int, icon);
        QFETCH(int, expected);
        QtPrompter prompter;
        int shown = -1;
        QString title;
        WhenModalShown([&](QWidget* w) {
            shown = Box(w)->icon();
            title = w->windowTitle();
            Box(w)->button(QMessageBox::Ok)->click();
        });
        prompter.Message(QStringLiteral("Incorrect Date"), QStringLiteral("x"), static_cast<MessageIcon>(icon));
        QCOMPARE(shown, expected);
        QCOMPARE(title, QStringLiteral("Incorrect Date"));
    }

    void yesNoWithNoAsDefault() {
        QtPrompter prompter;
        QStringList buttons;
        bool noIsDefault = false;
        WhenModalShown([&](QWidget* w) {
            QMessageBox* box = Box(w);
            buttons = VisibleButtonTexts(box);
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            orva::testsupport::SaveSnapshot(box, QStringLiteral("file_exists_box"));
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(prompter.AskYesNo(QStringLiteral("File Exists"),
                                  QStringLiteral("The file already exists.\nDo you want to replace it?"),
                                  MessageIcon::Exclamation, false));
        QCOMPARE(buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
        QVERIFY(noIsDefault);
    }

    void yesNoPressingEnterTakesTheDefault() {
        QtPrompter prompter;
        WhenModalShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        QVERIFY(!prompter.AskYesNo(QString(), QStringLiteral("Replace?"), MessageIcon::Exclamation, false));
        WhenModalShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        QVERIFY(prompter.AskYesNo(QString(), QStringLiteral("Replace?"), MessageIcon::Exclamation, true));
    }

    void closingTheYesNoBoxMeansNo_data() {
        QTest::addColumn<bool>("defaultYes");
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("escape, default no") << false << true;
        QTest::newRow("escape, default yes") << true << true;
        QTest::newRow("close box, default no") << false << false;
        QTest::newRow("close box, default yes") << true << false;
    }

    void closingTheYesNoBoxMeansNo() {
        QFETCH(bool, defaultYes);
        QFETCH(bool, byEscape);
        QtPrompter prompter;
        auto ran = WhenModalShown([byEscape](QWidget* w) {
            if (byEscape) {
                QTest::keyClick(w, Qt::Key_Escape);
            } else {
                w->close();
            }
        });
        QVERIFY(!prompter.AskYesNo(QString(), QStringLiteral("Replace?"), MessageIcon::Exclamation, defaultYes));
        QVERIFY(*ran);
    }

    void choiceAnswersTheIndexOfTheClickedButton() {
        QtPrompter prompter;
        QStringList buttons;
        bool secondIsDefault = false;
        WhenModalShown([&](QWidget* w) {
            QMessageBox* box = Box(w);
            buttons = VisibleButtonTexts(box);
            secondIsDefault = box->defaultButton() == ButtonWithText(box, QStringLiteral("Complete On-Screen"));
            ButtonWithText(box, QStringLiteral("Enter Responses"))->click();
        });
        const int chosen = prompter.Choose(QStringLiteral("Edit"), QStringLiteral("How?"),
                                           {QStringLiteral("Enter Responses"), QStringLiteral("Complete On-Screen")},
                                           1, MessageIcon::Question);
        QCOMPARE(chosen, 0);
        QCOMPARE(buttons, QStringList({QStringLiteral("Enter Responses"), QStringLiteral("Complete On-Screen")}));
        QVERIFY(secondIsDefault);
    }

    void closingTheChoiceAnswersMinusOne() {
        QtPrompter prompter;
        WhenModalShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(prompter.Choose(QString(), QStringLiteral("?"), {QStringLiteral("A"), QStringLiteral("B")}, 0,
                                 MessageIcon::None),
                 -1);
        WhenModalShown([](QWidget* w) { w->close(); });
        QCOMPARE(prompter.Choose(QString(), QStringLiteral("?"), {QStringLiteral("A")}, 0, MessageIcon::None), -1);
    }

    void boxesAreModalToTheGivenWindow() {
        QWidget owner;
        owner.show();
        QtPrompter prompter(&owner);
        QWidget* parent = nullptr;
        WhenModalShown([&](QWidget* w) {
            parent = w->parentWidget();
            Box(w)->button(QMessageBox::Ok)->click();
        });
        prompter.Message(QString(), QStringLiteral("x"), MessageIcon::None);
        QCOMPARE(parent, &owner);
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
