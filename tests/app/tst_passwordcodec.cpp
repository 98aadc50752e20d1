#include "app/passwordcodec.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

// The stored password form: every password comes back unchanged, stored forms
// written elsewhere decode as before, and one password has many stored forms.
class TestPasswordCodec : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void storedFormShape();
    void decodesFixedStoredForms_data();
    void decodesFixedStoredForms();
    void manyStoredFormsForOnePassword();
};

void TestPasswordCodec::roundTrip_data()
{
    QTest::addColumn<QString>("clear");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain") << QStringLiteral("sa");
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("blanks around") << QStringLiteral(" pass word ");
    QTest::newRow("chinese") << QStringLiteral("中文密码");
    QTest::newRow("tab and low bytes") << QStringLiteral("a\tb\x05\x01z");
    QTest::newRow("byte 0x10 and 0x0F") << QStringLiteral("\x10\x0F");
    QTest::newRow("nul inside") << QString::fromUtf8("a\0b", 3);
    QTest::newRow("profile syntax") << QStringLiteral("p;w=\"d\"[x]#");
    QTest::newRow("mixed scripts") << QStringLiteral("Pa55-wörd-物业-😀");
    QTest::newRow("long") << QString(300, QLatin1Char('x'));
}

void TestPasswordCodec::roundTrip()
{
    QFETCH(QString, clear);
    const QString stored = SavePass(clear);
    QCOMPARE(GetPass(stored), clear);
    QCOMPARE(stored.isEmpty(), clear.isEmpty());
}

void TestPasswordCodec::storedFormShape()
{
    // Two hex digits for every UTF-8 byte, a filler before each and one after.
    const QString clear = QStringLiteral("\t密");
    const QByteArray bytes = clear.toUtf8();
    QRandomGenerator rng(7);
    const QString stored = PasswordCodec::encode(clear, &rng);
    QCOMPARE(stored.size(), bytes.size() * 4 + 1);

    const QString fillers = PasswordCodec::fillerTable();
    QCOMPARE(fillers.size(), 94);
    QString digits;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        QVERIFY2(fillers.contains(stored.at(i)), qPrintable(stored));
        if (i % 2 == 1)
            digits += stored.at(i);
    }
    std::reverse(digits.begin(), digits.end());
    QCOMPARE(digits, QString::fromLatin1(bytes.toHex().toUpper()));
}

void TestPasswordCodec::decodesFixedStoredForms_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("clear");
    QTest::newRow("empty") << QString() << QString();
    // "sa" = 73 61 -> "7361" -> reversed "1637", fillers around every digit.
    QTest::newRow("sa") << QStringLiteral("x1y6z3w7q") << QStringLiteral("sa");
    QTest::newRow("fillers that look like digits") << QStringLiteral("A1B6C3D7E") << QStringLiteral("sa");
    // "Admin1" = 41 64 6D 69 6E 31.
    QTest::newRow("Admin1") << QStringLiteral("#1)3!E'6^9(6?D%6>4<6.1@4~") << QStringLiteral("Admin1");
    // A digit that is no upper-case hex digit counts as 0: "4G" reads as 0x40, "@".
    QTest::newRow("non-hex digit counts 0") << QStringLiteral("!G!4!") << QStringLiteral("@");
    QTest::newRow("lower-case is no hex digit") << QStringLiteral("!a!4!") << QStringLiteral("@");
    // An older stored form of a password typed in the Chinese code page: 中文 = D6 D0 CE C4.
    QTest::newRow("legacy code page bytes") << QStringLiteral("+4+C+E+C+0+D+6+D+") << QStringLiteral("中文");
}

void TestPasswordCodec::decodesFixedStoredForms()
{
    QFETCH(QString, stored);
    QFETCH(QString, clear);
    QCOMPARE(GetPass(stored), clear);
}

void TestPasswordCodec::manyStoredFormsForOnePassword()
{
    const QString clear = QStringLiteral("secret");
    QSet<QString> forms;
    for (quint32 seed = 1; seed <= 8; ++seed) {
        QRandomGenerator rng(seed);
        const QString stored = PasswordCodec::encode(clear, &rng);
        QCOMPARE(GetPass(stored), clear);
        forms.insert(stored);
    }
    QVERIFY2(forms.size() > 1, "the fillers never changed");
}

QTEST_APPLESS_MAIN(TestPasswordCodec)
#include "tst_passwordcodec.moc"
