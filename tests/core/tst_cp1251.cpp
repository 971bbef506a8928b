#include "settings/cp1251.h"

#include <QStringDecoder>
#include <QTest>

class TestCp1251 : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
    void everyByteSurvivesDecodeAndEncode();
    void agreesWithTheSystemCodec();
};

void TestCp1251::decodes_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("ASCII") << 0x41 << 0x41;
    QTest::newRow("NUL") << 0x00 << 0x00;
    QTest::newRow("DEL") << 0x7F << 0x7F;
    QTest::newRow("Ђ, first of the upper half") << 0x80 << 0x0402;
    QTest::newRow("euro sign") << 0x88 << 0x20AC;
    QTest::newRow("unassigned byte") << 0x98 << 0x0098;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("Ё") << 0xA8 << 0x0401;
    QTest::newRow("ё") << 0xB8 << 0x0451;
    QTest::newRow("numero sign") << 0xB9 << 0x2116;
    QTest::newRow("А") << 0xC0 << 0x0410;
    QTest::newRow("Я") << 0xDF << 0x042F;
    QTest::newRow("а") << 0xE0 << 0x0430;
    QTest::newRow("я, last") << 0xFF << 0x044F;
}

void TestCp1251::decodes() {
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QString text = Cp1251::decode(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text.at(0).unicode()), codePoint);
}

void TestCp1251::encodes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("section name") << u"[Вес]"_qs << QByteArray("[\xC2\xE5\xF1]");
    QTest::newRow("weight with comma") << u"72,5"_qs << QByteArray("72,5");
    QTest::newRow("Ёё and №") << u"Ёё№"_qs << QByteArray("\xA8\xB8\xB9");
    QTest::newRow("Ukrainian letters") << u"Ґґ Її"_qs << QByteArray("\xA5\xB4 \xAF\xBF");
    QTest::newRow("Latin-1 letter outside") << u"café"_qs << QByteArray("caf?");
    QTest::newRow("symbol outside") << u"7☺2"_qs << QByteArray("7?2");
    QTest::newRow("replacement character") << u"\uFFFD"_qs << QByteArray("?");
    QTest::newRow("pair outside the BMP is one character") << u"a😀b"_qs << QByteArray("a?b");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDC00)) + u'x' << QByteArray("?x");
    QTest::newRow("lone high surrogate at the end")
        << u'x' + QString(QChar(0xD800)) << QByteArray("x?");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCp1251::encodes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1251::encode(text), bytes);
}

void TestCp1251::everyByteSurvivesDecodeAndEncode() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Cp1251::decode(all);
    QCOMPARE(text.size(), all.size());
    QCOMPARE(Cp1251::encode(text), all);
}

// An independent table, where the system has one: every assigned byte must agree.
void TestCp1251::agreesWithTheSystemCodec() {
    QStringDecoder system("windows-1251");
    if (!system.isValid())
        QSKIP("no Windows-1251 codec on this system");
    for (int b = 0x80; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const QByteArray byte(1, static_cast<char>(b));
        const QString expected = system.decode(byte);
        QVERIFY2(Cp1251::decode(byte) == expected, qPrintable(QString::number(b, 16)));
    }
}

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
