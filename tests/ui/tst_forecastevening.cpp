#include "forecastwindowfixture.h"

#include "forecast/eveningfile.h"
#include "forecast/eveningstore.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

// The forecast window's evening on disk: read at opening, written a second after the typing,
// and never lost to an unreadable file, another copy of the program or a failed write.
class TestForecastEvening : public QObject, ForecastWindowFixture {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void massComesFromTheSavedWeightAndIsNeverWritten();
    void eveningSurvivesReopening();
    void unreadableEveningIsSetAsideWithANotice();
    void keptEveningWithAFarOffDateIsSetAside();
    void anotherProgramsEveningIsShownWhenNothingIsUnkept();
    void anotherProgramsEveningIsKeptAsideNotOverwritten();
    void failedSaveIsSaidUntilOneSucceeds();
    void typingIsKeptOnceASecondAfterTheLastKey();
};

void TestForecastEvening::massComesFromTheSavedWeightAndIsNeverWritten() {
    // The calculator's weight field is empty, so the saved weight is the one to take.
    const QString file = t->folder.filePath(u"vux.ini"_qs);
    const QByteArray bytes("[\xC2\xE5\xF1]\r\np=72\r\n");
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    openForecast();
    QCOMPARE(f<QLineEdit>("BodyMass")->text(), u"72"_qs);
    f<QLineEdit>("BodyMass")->setText(u"90"_qs);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), bytes);
}

void TestForecastEvening::eveningSurvivesReopening() {
    workedExample();
    openForecast();
    TestApplication::click(f("AddDrink"));
    f<QLineEdit>("DrinkTime")->setText(u"21:30"_qs);
    f<QLineEdit>("DrinkGrams")->setText(u"abc"_qs); // not yet a number, kept all the same
    f<QLineEdit>("Rate")->setText(u"0,15"_qs);
    auto* country = f<QComboBox>("Country");
    country->setCurrentIndex(country->findData(u"FI"_qs));
    QVERIFY(QFile::exists(t->folder.filePath(u"forecast.json"_qs)));

    // As after a restart: a new window reads what the last one left.
    t->app().windows().release(*forecast());
    TestApplication::settle();
    QCOMPARE(forecast(), nullptr);
    openForecast();
    QCOMPARE(rows(), 2);
    QCOMPARE(cell(1, 1), u"21:30"_qs);
    QCOMPARE(cell(1, 3), u"abc"_qs);
    QCOMPARE(f<QLineEdit>("Rate")->text(), u"0,15"_qs);
    QCOMPARE(f<QComboBox>("Country")->currentData().toString(), u"FI"_qs);
    QVERIFY(f("Notice")->isHidden());
}

void TestForecastEvening::unreadableEveningIsSetAsideWithANotice() {
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("{\"version\": 1, \"drinks\": ");
    }
    workedExample();
    openForecast();
    QVERIFY(f("Notice")->isVisible());
    QVERIFY(f<QLabel>("Notice")->text().contains(u"forecast.json.bad"_qs));
    QFile bad(file + u".bad"_qs);
    QVERIFY(bad.open(QIODevice::ReadOnly));
    QCOMPARE(bad.readAll(), QByteArray("{\"version\": 1, \"drinks\": "));
    // It starts from the calculator, and keeps the new evening in a new file.
    QCOMPARE(rows(), 1);
    QVERIFY(QFile::exists(file));
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestForecastEvening::keptEveningWithAFarOffDateIsSetAside() {
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    Evening far;
    far.mass = u"80"_qs;
    far.drinks.append({QDate(9999, 9, 9), u"21:00"_qs, u"Водка 40%"_qs, u"100"_qs, u"40"_qs});
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(toJson(far));
    }
    QElapsedTimer clock;
    clock.start();
    openForecast();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(f<QLabel>("Notice")->text().contains(u"forecast.json.bad"_qs));
    QCOMPARE(rows(), 0);
    QVERIFY(QFile::exists(file + u".bad"_qs));
}

void TestForecastEvening::anotherProgramsEveningIsShownWhenNothingIsUnkept() {
    oneDrink(u"21:00"_qs, u"100"_qs);
    settle();
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    // Another copy of the program, on the same folder, adds a drink and sets 90 kg.
    EveningStore other(file);
    Evening theirs = other.load(t->clock.currentDateTime()).evening;
    QCOMPARE(theirs.drinks.size(), 1);
    theirs.drinks.append({QDate(2026, 12, 8), u"21:30"_qs, u"Пиво 5%"_qs, u"500"_qs, u"5"_qs});
    theirs.mass = u"90"_qs;
    QVERIFY(other.save(theirs, t->clock.currentDateTime()).ok);

    // Coming back to this window (or the next minute) shows it; the next change builds on it.
    t->clock.advance(60 * 1000);
    QCOMPARE(rows(), 2);
    QCOMPARE(f<QLineEdit>("BodyMass")->text(), u"90"_qs);
    QVERIFY(f<QLabel>("Notice")->text().contains(u"другом окне"_qs));
    f<QLineEdit>("BodyMass")->setText(u"75"_qs);
    settle();
    const Evening kept = EveningStore(file).load(t->clock.currentDateTime()).evening;
    QCOMPARE(kept.drinks.size(), 2);
    QCOMPARE(kept.mass, u"75"_qs);
    QVERIFY(!QFile::exists(file + u".other"_qs));
}

void TestForecastEvening::anotherProgramsEveningIsKeptAsideNotOverwritten() {
    oneDrink(u"21:00"_qs, u"100"_qs);
    settle();
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    EveningStore other(file);
    Evening theirs = other.load(t->clock.currentDateTime()).evening;
    theirs.drinks.append({QDate(2026, 12, 8), u"21:30"_qs, u"Пиво 5%"_qs, u"500"_qs, u"5"_qs});
    QVERIFY(other.save(theirs, t->clock.currentDateTime()).ok);

    // A change typed before this window saw theirs: both evenings are kept, and it says so.
    f<QLineEdit>("BodyMass")->setText(u"75"_qs);
    settle();
    const QDateTime now = t->clock.currentDateTime();
    QCOMPARE(EveningStore(file).load(now).evening.drinks.size(), 1);
    QCOMPARE(EveningStore(file + u".other"_qs).load(now).evening, theirs);
    QVERIFY(f<QLabel>("Notice")->text().endsWith(u"forecast.json.other"_qs));
    QCOMPARE(rows(), 1);
}

void TestForecastEvening::failedSaveIsSaidUntilOneSucceeds() {
    oneDrink(u"21:00"_qs, u"100"_qs);
    settle();
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file + u"/inside"_qs));
    f<QLineEdit>("BodyMass")->setText(u"81"_qs);
    settle();
    QVERIFY(f("SaveProblem")->isVisible());
    QCOMPARE(f<QLabel>("SaveProblem")->text(),
             u"Вечер не сохранён: на месте файла forecast.json папка"_qs);
    f<QLineEdit>("DrinkGrams")->setText(u"150"_qs);
    settle();
    QVERIFY(f("SaveProblem")->isVisible());
    QVERIFY(t->dialogs.shown.isEmpty()); // said in the window, not in a box at every key

    // The next change after the way is free keeps everything typed meanwhile.
    QVERIFY(QDir(file).removeRecursively());
    f<QLineEdit>("BodyMass")->setText(u"82"_qs);
    settle();
    QVERIFY(!f("SaveProblem")->isVisible());
    const Evening kept = EveningStore(file).load(t->clock.currentDateTime()).evening;
    QCOMPARE(kept.mass, u"82"_qs);
    QCOMPARE(kept.drinks.value(0).grams, u"150"_qs);
}

void TestForecastEvening::typingIsKeptOnceASecondAfterTheLastKey() {
    oneDrink(u"21:00"_qs, u"100"_qs);
    settle();
    const QString file = t->folder.filePath(u"forecast.json"_qs);
    QLineEdit* mass = f<QLineEdit>("BodyMass");
    mass->clear();
    settle();
    // Ten keys a tenth of a second apart: the file never holds a part of what is typed.
    const QString typed = u"1234567,89"_qs;
    for (QChar key : typed) {
        QTest::keyClicks(mass, QString(key));
        t->clock.advance(100);
        QCOMPARE(EveningStore(file).load(t->clock.currentDateTime()).evening.mass, QString());
    }
    QCOMPARE(mass->text(), typed);
    t->clock.advance(800); // 900 ms after the last key
    QCOMPARE(EveningStore(file).load(t->clock.currentDateTime()).evening.mass, QString());
    t->clock.advance(200);
    QCOMPARE(EveningStore(file).load(t->clock.currentDateTime()).evening.mass, typed);

    // Closing the window writes what waits at once.
    QTest::keyClicks(mass, u"1"_qs);
    forecast()->close();
    QCOMPARE(EveningStore(file).load(t->clock.currentDateTime()).evening.mass, typed + u'1');
}

QTEST_MAIN(TestForecastEvening)
#include "tst_forecastevening.moc"
