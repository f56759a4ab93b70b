// SPDX-License-Identifier: Apache-2.0
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/speech/FliteSpeaker.h"

using namespace orva;

// The real voice, flite, playing into a sound server of the test's own that plays into nothing
// (a PulseAudio null sink), so what the program hears back from the sound output can be
// followed without a sound card or a desktop session.
class FliteSpeakerTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QProcess server_;

    static const QStringList& Item() {
        static const QStringList texts = {QStringLiteral("I find it hard to stop worrying."),
                                          QStringLiteral("Never"),
                                          QStringLiteral("Rarely"),
                                          QStringLiteral("Sometimes"),
                                          QStringLiteral("Regularly"),
                                          QStringLiteral("Often"),
                                          QStringLiteral("Very Often")};
        return texts;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty()) QSKIP("no PulseAudio to play into (scripts/install-deps.sh installs it)");
        const QString socket = dir_.filePath(QStringLiteral("native"));
        server_.setProgram(pulseaudio);
        server_.setArguments({QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                              QStringLiteral("--use-pid-file=no"), QStringLiteral("--disallow-exit"),
                              QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                              QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(socket)});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir_.path());
        server_.setProcessEnvironment(environment);
        server_.start();
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        qputenv("PULSE_SERVER", QStringLiteral("unix:%1").arg(socket).toLocal8Bit());
    }

    void cleanupTestCase() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
    }

    // An item's wording and its six answer words, as one stretch of sound that plays to its
    // end: about as long as they take to say, not a moment.
    void anItemPlaysToItsEnd() {
        FliteSpeaker speaker;
        QVERIFY(speaker.Usable());
        QSignalSpy playing(&speaker, &FliteSpeaker::Playing);
        QSignalSpy done(&speaker, &FliteSpeaker::Done);
        QElapsedTimer clock;
        clock.start();
        speaker.Speak(Item());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QCOMPARE(playing.count(), 1);
        QVERIFY2(clock.elapsed() > 3000, qPrintable(QString::number(clock.elapsed())));
    }

    // The next item cuts the one being read short; Stop silences it; nothing of either plays on.
    void aNewItemCutsTheOldOneShort() {
        FliteSpeaker speaker;
        QSignalSpy playing(&speaker, &FliteSpeaker::Playing);
        QSignalSpy done(&speaker, &FliteSpeaker::Done);
        speaker.Speak(Item());
        QTRY_COMPARE_WITH_TIMEOUT(playing.count(), 1, 30000);
        speaker.Speak({QStringLiteral("I threaten people."), QStringLiteral("Often")});
        QCOMPARE(done.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(playing.count(), 2, 30000);
        speaker.Stop();
        QCOMPARE(done.count(), 2);
        QTest::qWait(1000);
        QCOMPARE(playing.count(), 2);
        QCOMPARE(done.count(), 2);
    }

    // Many requests in quick succession, as a reporter pressing Next and "Read aloud" fast:
    // only the last plays, and the program goes on unharmed.
    void requestsInQuickSuccession() {
        FliteSpeaker speaker;
        QSignalSpy playing(&speaker, &FliteSpeaker::Playing);
        QSignalSpy done(&speaker, &FliteSpeaker::Done);
        for (int i = 0; i < 20; ++i) speaker.Speak({Item().at(i % Item().size())});
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QCOMPARE(playing.count(), 1);
    }
};

QTEST_MAIN(FliteSpeakerTest)
#include "FliteSpeakerTest.moc"
