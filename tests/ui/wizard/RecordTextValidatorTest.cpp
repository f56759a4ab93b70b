// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ui/wizard/RecordTextValidator.h"

using orva::RecordTextValidator;

// What a record field accepts as typed, counted in the bytes the record stores.
class RecordTextValidatorTest : public QObject {
    Q_OBJECT

private slots:
    void holds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("held");
        QTest::newRow("letters up to the limit") << QStringLiteral("abc") << 3 << false << true;
        QTest::newRow("one over the limit") << QStringLiteral("abcd") << 3 << false << false;
        QTest::newRow("Latin-1 letter is one byte") << QStringLiteral("Zo\u00EB") << 3 << false << true;
        QTest::newRow("Windows-1252 punctuation") << QStringLiteral("O\u2019Neil \u2013 ok") << 20 << false << true;
        QTest::newRow("euro sign ends a stored text") << QStringLiteral("5\u20AC") << 20 << false << false;
        QTest::newRow("outside Windows-1252") << QStringLiteral("\u03A9") << 20 << false << false;
        QTest::newRow("undefined Windows-1252 place") << QStringLiteral("a\u0081") << 20 << false << false;
        QTest::newRow("tab") << QStringLiteral("a\tb") << 20 << true << false;
        QTest::newRow("DEL") << QStringLiteral("a\u007F") << 20 << false << false;
        QTest::newRow("line break on one line") << QStringLiteral("a\nb") << 20 << false << false;
        QTest::newRow("line break counts two") << QStringLiteral("ab\ncd") << 6 << true << true;
        QTest::newRow("line break over the limit") << QStringLiteral("ab\ncd") << 5 << true << false;
        QTest::newRow("carriage return typed alone") << QStringLiteral("a\rb") << 20 << true << false;
    }

    void holds() {
        QFETCH(QString, text);
        QFETCH(int, maxBytes);
        QFETCH(bool, multiLine);
        QFETCH(bool, held);
        const RecordTextValidator validator(maxBytes, multiLine);
        QCOMPARE(validator.Holds(text), held);
        int position = 0;
        QCOMPARE(validator.validate(text, position), held ? QValidator::Acceptable : QValidator::Invalid);
    }

    void lineBreaksAreStoredAsCarriageReturnLineFeed() {
        const std::string stored = RecordTextValidator::ToRecord(QStringLiteral("Zo\u00EB\nsecond"));
        QCOMPARE(stored, std::string("Zo\xEB\r\nsecond"));
        QCOMPARE(RecordTextValidator::FromRecord(stored), QStringLiteral("Zo\u00EB\nsecond"));
    }
};

QTEST_MAIN(RecordTextValidatorTest)
#include "RecordTextValidatorTest.moc"
