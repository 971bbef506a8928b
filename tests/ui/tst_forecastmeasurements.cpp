#include "forecast/forecastsummary.h"
#include "forecastwindowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

// Readings in the forecast window: one click or Ctrl+M and a number re-anchor the answers, a
// reading the evening cannot hold is marked at its field, and the readings stay with the
// window's evening, kept and read again as the drinks are.
class TestForecastMeasurements : public QObject, ForecastWindowFixture {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void aReadingIsOneClickAndANumber_data();
    void aReadingIsOneClickAndANumber();
    void aReadingBeforeTheFirstDrinkIsMarked();
    void readingsStayWhenTheWindowIsReopened();

private:
    // The calculator's worked example in a window that has the keys: 0,45 ‰ now, at 22:00.
    void workedEvening() {
        workedExample();
        openForecast();
        forecast()->activateWindow();
        QCoreApplication::processEvents();
        QVERIFY2(summary().contains(u"Сейчас (22:00): 0,45 ‰"_qs), qPrintable(summary()));
    }
    int readings() const { return f<QTableView>("Measurements")->model()->rowCount(); }
    void addReading(const QString& value) {
        TestApplication::click(f("AddMeasurement"));
        QTest::keyClicks(QApplication::focusWidget(), value);
    }
};

void TestForecastMeasurements::aReadingIsOneClickAndANumber_data() {
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<QString>("kind"); // chosen before the number; empty: the first one's
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("now");
    QTest::newRow("click, breath")
        << false << QString() << u"0,25"_qs << u"Сейчас (22:00): 0,50 ‰"_qs;
    QTest::newRow("Ctrl+M, blood")
        << true << u"кровь, ‰"_qs << u"0,7"_qs << u"Сейчас (22:00): 0,70 ‰"_qs;
}

void TestForecastMeasurements::aReadingIsOneClickAndANumber() {
    QFETCH(bool, shortcut);
    QFETCH(QString, kind);
    workedEvening();
    QVERIFY(!f("Measurements")->isVisible());

    if (shortcut)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : forecast(),
                        Qt::Key_M, Qt::ControlModifier);
    else
        TestApplication::click(f("AddMeasurement"));
    QCOMPARE(readings(), 1);
    QVERIFY(f("Measurements")->isVisible());
    QCOMPARE(QApplication::focusWidget(), f("MeasurementValue"));
    QCOMPARE(f<QLineEdit>("MeasurementTime")->text(), u"22:00"_qs);
    auto* kinds = f<QComboBox>("MeasurementKind");
    if (!kind.isEmpty())
        kinds->setCurrentIndex(kinds->findText(kind));
    const QString chosen = kinds->currentText();
    QFETCH(QString, value);
    QTest::keyClicks(QApplication::focusWidget(), value);
    QFETCH(QString, now);
    QVERIFY2(summary().contains(now), qPrintable(summary()));
    QVERIFY(chart()->hasData());
    // A screen reader hears the reading with the answers, the warning still last.
    const QString heard = chart()->accessibleDescription();
    QVERIFY2(heard.contains(u"замер 22:00: "_qs + value), qPrintable(heard));
    QVERIFY2(heard.endsWith(forecastsummary::warning()), qPrintable(heard));

    // The next reading is of the same kind; removing readings gives the drinks' answer back.
    TestApplication::click(f("AddMeasurement"));
    QCOMPARE(kinds->currentText(), chosen);
    TestApplication::click(f("RemoveMeasurement"));
    QCOMPARE(readings(), 1);
    QVERIFY2(summary().contains(now), qPrintable(summary()));
    TestApplication::click(f("RemoveMeasurement"));
    QCOMPARE(readings(), 0);
    QVERIFY(summary().contains(u"Сейчас (22:00): 0,45 ‰"_qs));
    QVERIFY(!f("Measurements")->isVisible());
}

void TestForecastMeasurements::aReadingBeforeTheFirstDrinkIsMarked() {
    workedEvening(); // the drink at 21:00
    addReading(u"0,25"_qs);
    auto* time = f<QLineEdit>("MeasurementTime");
    time->setText(u"20:30"_qs);
    QCOMPARE(problem("MeasurementTime"), u"раньше первого напитка"_qs);
    QCOMPARE(time->accessibleDescription(), problem("MeasurementTime"));
    QCOMPARE(summary(), u"Проверьте выделенные поля"_qs);
    QVERIFY(!chart()->hasData());

    time->setText(u"21:30"_qs);
    QCOMPARE(problem("MeasurementTime"), QString());
    QVERIFY(chart()->hasData());
}

void TestForecastMeasurements::readingsStayWhenTheWindowIsReopened() {
    workedEvening();
    addReading(u"0,25"_qs);
    settle();
    forecast()->close();

    // Another drink on the calculator joins the evening; the reading stays, and so does the
    // level it measured.
    calc<QLineEdit>("Text1")->setText(u"150"_qs);
    openForecast();
    QCOMPARE(rows(), 2);
    QCOMPARE(readings(), 1);
    QCOMPARE(f<QLineEdit>("MeasurementValue")->text(), u"0,25"_qs);
    QVERIFY2(summary().contains(u"Сейчас (22:00): 0,50 ‰"_qs), qPrintable(summary()));

    // As after a restart: a new window reads the reading from the kept evening.
    settle();
    t->app().windows().release(*forecast());
    TestApplication::settle();
    openForecast();
    QCOMPARE(readings(), 1);
    QCOMPARE(f<QLineEdit>("MeasurementValue")->text(), u"0,25"_qs);
    QVERIFY2(summary().contains(u"Сейчас (22:00): 0,50 ‰"_qs), qPrintable(summary()));
}

QTEST_MAIN(TestForecastMeasurements)
#include "tst_forecastmeasurements.moc"
