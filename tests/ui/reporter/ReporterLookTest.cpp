// SPDX-License-Identifier: Apache-2.0
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/reporter/support/ReporterDriver.h"

using namespace orva;
using namespace orva::wizard_test;

// The reporter's screens at the three sizes the clinician can choose: full screen, the text
// and the answer buttons larger the larger the size, and the desk's look back afterwards.
class ReporterLookTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void sizes_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("oneItem");
        QTest::newRow("normal") << int(ReporterOptions::TextSize::Normal) << 1.0 << false;
        QTest::newRow("large") << int(ReporterOptions::TextSize::Large) << 1.5 << true;
        QTest::newRow("extra_large") << int(ReporterOptions::TextSize::ExtraLarge) << 2.0 << true;
    }
    // Each size in turn: its answer buttons are larger than the size's before.
    void sizes() {
        QFETCH(int, size);
        QFETCH(qreal, scale);
        QFETCH(bool, oneItem);
        static int answerBefore = 0;
        ScriptedSpeaker speaker;
        Run run;
        OnScreen(run).SetSpeech([&speaker]() -> Speaker* { return &speaker; });
        run.ToDetails(kParent, dir_.filePath(QStringLiteral("look")));
        run.FillDetails();
        const qreal deskPoints = run.Wizard().font().pointSizeF();
        run.Snap(QStringLiteral("reporter_%1_details").arg(QTest::currentDataTag()));
        QVERIFY(HandOver(run, {static_cast<ReporterOptions::TextSize>(size), oneItem, false}));
        QVERIFY(run.Wizard().isFullScreen());
        QCOMPARE(run.Wizard().font().pointSizeF(), deskPoints * scale);
        auto* answer = run.Find<QRadioButton>(QStringLiteral("item1Answer0Radio"));
        QCOMPARE(answer->text(), QStringLiteral("Never"));
        QVERIFY(answer->sizeHint().height() > answerBefore);
        answerBefore = answer->sizeHint().height();
        run.Snap(QStringLiteral("reporter_%1_items").arg(QTest::currentDataTag()));
        for (int page = 4; page <= 15; ++page) {
            const int screens = oneItem ? (page == 15 ? 1 : 10) : 1;
            for (int screen = 0; screen < screens; ++screen) {
                run.Prompts().ExpectChoice(0);
                run.Next();
            }
        }
        run.Snap(QStringLiteral("reporter_%1_comment").arg(QTest::currentDataTag()));
        run.Next();
        run.Snap(QStringLiteral("reporter_%1_thanks").arg(QTest::currentDataTag()));
        run.Prompts().ExpectYesNo(true);
        run.Prompts().ExpectMessage();
        run.Click(QStringLiteral("clinicianButton"));
        QVERIFY(!run.Wizard().isFullScreen());
        QCOMPARE(run.Wizard().font().pointSizeF(), deskPoints);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }
};

QTEST_MAIN(ReporterLookTest)
#include "ReporterLookTest.moc"
