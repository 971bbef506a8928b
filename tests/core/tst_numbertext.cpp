#include "calc/arithmeticerror.h"
#include "calc/conversionerror.h"
#include "calc/numbertext.h"

#include <QTest>

#include <limits>

using namespace numbertext;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void readsFixed4_data();
    void readsFixed4();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void overflowIsAnArithmeticError_data();
    void overflowIsAnArithmeticError();
    void readsDouble_data();
    void readsDouble();
    void writesFixed4_data();
    void writesFixed4();
    void writesDouble_data();
    void writesDouble();
    void roundsForDisplay_data();
    void roundsForDisplay();
    void fixedProductRoundsToEven_data();
    void fixedProductRoundsToEven();
    void toFixedRoundsToEvenAndChecksRange_data();
    void toFixedRoundsToEvenAndChecksRange();
};

void TestNumberText::readsFixed4_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << u"72"_qs << qint64(720000);
    QTest::newRow("negative fraction") << u"-0,5"_qs << qint64(-5000);
    QTest::newRow("trailing comma while typing") << u"0,"_qs << qint64(0);
    QTest::newRow("leading comma") << u",5"_qs << qint64(5000);
    QTest::newRow("surrounding blanks") << u"  4,49 "_qs << qint64(44900);
    QTest::newRow("minus zero") << u"-0"_qs << qint64(0);
    QTest::newRow("leading zeros never overflow")
        << u"0000000000000000000000072"_qs << qint64(720000);
    QTest::newRow("fifth decimal below half") << u"0,12344"_qs << qint64(1234);
    QTest::newRow("fifth decimal above half") << u"0,12346"_qs << qint64(1235);
    QTest::newRow("tie to even, down") << u"0,12345"_qs << qint64(1234);
    QTest::newRow("tie to even, up") << u"0,12355"_qs << qint64(1236);
    QTest::newRow("just above a tie") << u"0,123450000001"_qs << qint64(1235);
    QTest::newRow("negative tie") << u"-0,00005"_qs << qint64(0);
    QTest::newRow("negative above tie") << u"-0,00015"_qs << qint64(-2);
    QTest::newRow("largest") << u"922337203685477,5807"_qs << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << u"-922337203685477,5808"_qs << std::numeric_limits<qint64>::min();
    QTest::newRow("many decimals round into range")
        << u"922337203685477,58064999"_qs << std::numeric_limits<qint64>::max() - 1;
}

void TestNumberText::readsFixed4() {
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(readFixed4(text).raw(), raw);
    QVERIFY(isNumber(text));
}

void TestNumberText::rejectsNonNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << u" "_qs;
    QTest::newRow("minus alone") << u"-"_qs;
    QTest::newRow("comma alone") << u","_qs;
    QTest::newRow("minus comma") << u"-,"_qs;
    QTest::newRow("period separator") << u"1.5"_qs;
    QTest::newRow("plus sign") << u"+1"_qs;
    QTest::newRow("exponent") << u"1e5"_qs;
    QTest::newRow("grouping blank") << u"1 000"_qs;
    QTest::newRow("two commas") << u"1,2,3"_qs;
    QTest::newRow("arabic-indic digit") << u"٣"_qs;
    QTest::newRow("full-width digits") << u"１２"_qs;
    QTest::newRow("double minus") << u"--1"_qs;
    QTest::newRow("minus after blank inside") << u"- 1"_qs;
    QTest::newRow("letters") << u"abc"_qs;
    QTest::newRow("emoji") << u"🍺"_qs;
    QTest::newRow("inner line break") << u"7\n2"_qs;
    QTest::newRow("hex") << u"0x10"_qs;
    QTest::newRow("infinity word") << u"inf"_qs;
}

void TestNumberText::rejectsNonNumbers() {
    QFETCH(QString, text);
    QVERIFY(!isNumber(text));
    QVERIFY_THROWS_EXCEPTION(ConversionError, readFixed4(text));
    QVERIFY_THROWS_EXCEPTION(ConversionError, readDouble(text));
}

void TestNumberText::overflowIsAnArithmeticError_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("one ten-thousandth above the largest") << u"922337203685477,5808"_qs;
    QTest::newRow("one below the smallest") << u"-922337203685477,5809"_qs;
    QTest::newRow("fifteen nines and more") << u"922337203685478"_qs;
    QTest::newRow("ten thousand digits") << QString(10000, u'9');
    QTest::newRow("rounding pushes over") << u"922337203685477,58075"_qs;
}

void TestNumberText::overflowIsAnArithmeticError() {
    QFETCH(QString, text);
    QVERIFY(isNumber(text));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, readFixed4(text));
}

void TestNumberText::readsDouble_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("fraction") << u"0,34"_qs << 0.34;
    QTest::newRow("negative") << u"-1,25"_qs << -1.25;
    QTest::newRow("trailing comma") << u"3,"_qs << 3.0;
    QTest::newRow("leading comma") << u",5"_qs << 0.5;
    QTest::newRow("many decimals kept") << u"0,123456789"_qs << 0.123456789;
    QTest::newRow("underflow is zero") << QString(u"0,"_qs + QString(400, u'0') + u"1"_qs) << 0.0;
}

void TestNumberText::readsDouble() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readDouble(text), value);
}

void TestNumberText::writesFixed4_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction below one") << qint64(4500) << u"0,45"_qs;
    QTest::newRow("two decimals") << qint64(44900) << u"4,49"_qs;
    QTest::newRow("whole") << qint64(1000000) << u"100"_qs;
    QTest::newRow("negative") << qint64(-700) << u"-0,07"_qs;
    QTest::newRow("zero") << qint64(0) << u"0"_qs;
    QTest::newRow("one ten-thousandth") << qint64(1) << u"0,0001"_qs;
    QTest::newRow("inner zero kept") << qint64(10050) << u"1,005"_qs;
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << u"922337203685477,5807"_qs;
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << u"-922337203685477,5808"_qs;
}

void TestNumberText::writesFixed4() {
    QFETCH(qint64, raw);
    QFETCH(QString, text);
    QCOMPARE(decimalText(Fixed4::fromRaw(raw)), text);
    QCOMPARE(readFixed4(text).raw(), raw);
}

void TestNumberText::writesDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("small, no exponent") << 0.00001 << u"0,00001"_qs;
    QTest::newRow("shortest form") << 0.1 << u"0,1"_qs;
    QTest::newRow("whole") << 100.0 << u"100"_qs;
    QTest::newRow("large, no exponent") << 1e20 << u"100000000000000000000"_qs;
    QTest::newRow("negative") << -0.07 << u"-0,07"_qs;
    QTest::newRow("negative zero") << -0.0 << u"0"_qs;
    QTest::newRow("women's hours") << 0.2 * 3 + 3 << u"3,6"_qs;
}

void TestNumberText::writesDouble() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(decimalText(value), text);
}

void TestNumberText::roundsForDisplay_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,125 to even below") << u"0,125"_qs << 2 << u"0,12"_qs;
    QTest::newRow("0,135 to even above") << u"0,135"_qs << 2 << u"0,14"_qs;
    QTest::newRow("2,5 to even below") << u"2,5"_qs << 0 << u"2"_qs;
    QTest::newRow("3,5 to even above") << u"3,5"_qs << 0 << u"4"_qs;
    QTest::newRow("99,3651 whole") << u"99,3651"_qs << 0 << u"99"_qs;
    QTest::newRow("negative half to even") << u"-0,065"_qs << 2 << u"-0,06"_qs;
    QTest::newRow("negative rounds to zero, no minus") << u"-0,004"_qs << 2 << u"0"_qs;
    QTest::newRow("three places") << u"0,0355"_qs << 3 << u"0,036"_qs;
    QTest::newRow("just above half") << u"0,1251"_qs << 2 << u"0,13"_qs;
}

void TestNumberText::roundsForDisplay() {
    QFETCH(QString, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(roundedText(readFixed4(value), decimals), text);
}

void TestNumberText::fixedProductRoundsToEven_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("product");
    QTest::newRow("exact") << u"80"_qs << u"0,68"_qs << u"54,4"_qs;
    QTest::newRow("tie to even down") << u"0,0005"_qs << u"0,5"_qs << u"0,0002"_qs;
    QTest::newRow("tie to even up") << u"0,0015"_qs << u"0,5"_qs << u"0,0008"_qs;
    QTest::newRow("negative tie") << u"-0,0005"_qs << u"0,5"_qs << u"-0,0002"_qs;
    QTest::newRow("above half") << u"0,0003"_qs << u"0,5"_qs << u"0,0002"_qs;
    QTest::newRow("large exact product needs 128 bits")
        << u"900000000000"_qs << u"0,0001"_qs << u"90000000"_qs;
}

void TestNumberText::fixedProductRoundsToEven() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, product);
    QCOMPARE(decimalText(readFixed4(a) * readFixed4(b)), product);
    QCOMPARE(decimalText(readFixed4(b) * readFixed4(a)), product);
}

void TestNumberText::toFixedRoundsToEvenAndChecksRange_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<bool>("error");
    QTest::newRow("plain") << 0.583706 << qint64(5837) << false;
    // x·10000 lands exactly on a half for these.
    QTest::newRow("tie to even down") << 0.00025 << qint64(2) << false;
    QTest::newRow("tie to even up") << 0.00035 << qint64(4) << false;
    QTest::newRow("tie to even, larger") << 0.12345 << qint64(1234) << false;
    QTest::newRow("negative") << -0.08818 << qint64(-882) << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << qint64(0) << true;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << qint64(0) << true;
    QTest::newRow("minus infinity")
        << -std::numeric_limits<double>::infinity() << qint64(0) << true;
    QTest::newRow("beyond range") << 1e15 << qint64(0) << true;
}

void TestNumberText::toFixedRoundsToEvenAndChecksRange() {
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QFETCH(bool, error);
    if (error)
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, toFixed(value));
    else
        QCOMPARE(toFixed(value).raw(), raw);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
