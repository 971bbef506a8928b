#include "forecastwindowfixture.h"

#include "app/chartwidget.h"
#include "forecast/eveningstore.h"
#include "windows/forecastwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

class TestForecastWindow : public QObject, ForecastWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linkLiesInFreeSpaceInEveryMode();
    void linkOpensTheWindowPrefilledAtTheCalculatorsLevel();
    void secondOpeningKeepsWhatWasTyped();
    void editingARowUpdatesChartAndSummary();
    void plannerGivesThreeAnswers_data();
    void plannerGivesThreeAnswers();
    void badInputMarksItsFieldAndShowsNoStaleAnswer_data();
    void badInputMarksItsFieldAndShowsNoStaleAnswer();
    void keyboardAloneAddsATypedDrink();
    void removingTheLastDrinkLeavesAnEmptyChartWithAHint();
    void reportChartAndDataAreSavedWhereTheUserSays();
    void modelCountryAndDriverChangeTheAnswers();
    void everyControlHasASpokenName();
    void aDrinkTypedAfterMidnightIsLastNights();
    void cancelledOrImpossibleSaveLeavesNothing();
    void impossibleOrFarOffDateIsMarkedAtOnce();
};

void TestForecastWindow::init() {
    start();
}

void TestForecastWindow::cleanup() {
    stop();
}

void TestForecastWindow::linkLiesInFreeSpaceInEveryMode() {
    QWidget* link = calc("ForecastLink");
    QCOMPARE(link->accessibleName().isEmpty() ? qobject_cast<QLabel*>(link)->text()
                                              : link->accessibleName(),
             u"График и прогноз"_qs);
    QWidget* window = t->window(u"Form3"_qs);
    auto overlaps = [&] {
        QStringList hits;
        const QRect mine(link->mapTo(window, QPoint()), link->size());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w == link || !w->isVisible() || w->isAncestorOf(link) ||
                w->objectName().startsWith(u"Shape1"_qs))
                continue;
            if (QRect(w->mapTo(window, QPoint()), w->size()).intersects(mine))
                hits << w->objectName();
        }
        return hits;
    };
    QCOMPARE(overlaps(), QStringList());
    TestApplication::click(calc("Check1")); // Запой: the slot panel
    QCOMPARE(overlaps(), QStringList());
    TestApplication::click(calc("Label87")); // the drink list rolls out
    t->clock.advance(1000);
    QCOMPARE(overlaps(), QStringList());
    TestApplication::click(calc("Check1"));
    TestApplication::click(calc("Check2")); // reverse mode
    QCOMPARE(overlaps(), QStringList());
    QVERIFY(link->isVisible());
}

void TestForecastWindow::linkOpensTheWindowPrefilledAtTheCalculatorsLevel() {
    workedExample();
    TestApplication::click(calc("Command1"));
    QCOMPARE(calc<QLineEdit>("Text5")->text(), u"0,45"_qs);
    openForecast();
    ForecastWindow* w = forecast();
    QVERIFY(w && w->isVisible());
    QVERIFY(t->window(u"Form3"_qs)->isVisible()); // the calculator stays as it is
    QVERIFY(w->width() >= 900 && w->height() >= 620);

    QCOMPARE(rows(), 1);
    QCOMPARE(f<QLineEdit>("DrinkTime")->text(), u"21:00"_qs);
    QCOMPARE(f<QLineEdit>("DrinkGrams")->text(), u"100"_qs);
    QCOMPARE(f<QLineEdit>("DrinkStrength")->text(), u"40"_qs);
    QCOMPARE(f<QComboBox>("DrinkName")->currentText(), u"Водка 40%"_qs);
    QCOMPARE(f<QLineEdit>("BodyMass")->text(), u"80"_qs);
    QCOMPARE(f<QLineEdit>("Rate")->text(), u"0,13"_qs);
    QCOMPARE(f<QComboBox>("Sex")->currentText(), u"муж"_qs);

    // Now is the calculator's "an hour after": both give the same level.
    QVERIFY2(summary().contains(u"Сейчас (22:00): 0,45 ‰"_qs), qPrintable(summary()));
    QVERIFY(summary().contains(u"Пик: 0,58 ‰ в 21:00"_qs));
    QVERIFY(summary().contains(u"Алкоголь выведен: в 01:29"_qs));
    QVERIFY(chart()->hasData());
    QCOMPARE(chart()->accessibleDescription(), summary().replace(u'\n', u' '));
}

void TestForecastWindow::secondOpeningKeepsWhatWasTyped() {
    workedExample();
    openForecast();
    f<QLineEdit>("BodyMass")->setText(u"95"_qs);
    forecast()->close();
    QVERIFY(!forecast()->isVisible());

    // Another drink on the calculator: it joins the evening; the typed mass stays.
    calc<QLineEdit>("Text1")->setText(u"50"_qs);
    openForecast();
    QVERIFY(forecast()->isVisible());
    QCOMPARE(rows(), 2);
    QCOMPARE(f<QLineEdit>("BodyMass")->text(), u"95"_qs);
    // The same drink again adds nothing.
    openForecast();
    QCOMPARE(rows(), 2);
}

void TestForecastWindow::editingARowUpdatesChartAndSummary() {
    workedExample();
    openForecast();
    const QString before = summary();
    const QDateTime end = chart()->lastTime();
    f<QLineEdit>("DrinkGrams")->setText(u"200"_qs);
    QVERIFY(summary() != before);
    QVERIFY(summary().contains(u"Пик: 1,17 ‰ в 21:00"_qs));
    QVERIFY(chart()->lastTime() > end);
    QCOMPARE(cell(0, 3), u"200"_qs);

    // A women's body holds less water: the same drink peaks higher.
    f<QComboBox>("Sex")->setCurrentIndex(1);
    QVERIFY(summary().contains(u"Пик: 1,44 ‰ в 21:00"_qs));
}

void TestForecastWindow::plannerGivesThreeAnswers_data() {
    QTest::addColumn<QString>("planned");
    QTest::addColumn<QString>("answer");
    // 100 g of vodka at 21:00: 0,58 ‰ falling by 0,10…0,16 per hour.
    QTest::newRow("morning") << u"08:00"_qs
                             << u"В 08:00, завтра: 0,00 ‰ — ниже предела даже при "
                                u"медленном выведении"_qs;
    QTest::newRow("just after") << u"21:30"_qs << u"— выше предела даже при быстром выведении"_qs;
    QTest::newRow("around the crossing")
        << u"23:30"_qs << u"— неопределённо: может быть выше предела"_qs;
}

void TestForecastWindow::plannerGivesThreeAnswers() {
    QFETCH(QString, planned);
    QFETCH(QString, answer);
    workedExample();
    openForecast();
    f<QLineEdit>("PlannedTime")->setText(planned);
    QVERIFY2(summary().contains(answer), qPrintable(summary()));
    QVERIFY(summary().contains(u"не садиться за руль"_qs));
}

void TestForecastWindow::badInputMarksItsFieldAndShowsNoStaleAnswer_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("good");
    QTest::newRow("time 24:00") << QByteArray("DrinkTime") << u"24:00"_qs << u"21:00"_qs;
    QTest::newRow("time without minutes") << QByteArray("DrinkTime") << u"21"_qs << u"21:00"_qs;
    QTest::newRow("grams 0") << QByteArray("DrinkGrams") << u"0"_qs << u"100"_qs;
    QTest::newRow("grams 5001") << QByteArray("DrinkGrams") << u"5001"_qs << u"100"_qs;
    QTest::newRow("grams with two marks") << QByteArray("DrinkGrams") << u"1.5,0"_qs << u"100"_qs;
    QTest::newRow("strength 0") << QByteArray("DrinkStrength") << u"0"_qs << u"40"_qs;
    QTest::newRow("strength 101") << QByteArray("DrinkStrength") << u"101"_qs << u"40"_qs;
    QTest::newRow("minutes negative") << QByteArray("DrinkMinutes") << u"-5"_qs << u"0"_qs;
    QTest::newRow("mass 19") << QByteArray("BodyMass") << u"19"_qs << u"80"_qs;
    QTest::newRow("mass 301") << QByteArray("BodyMass") << u"301"_qs << u"80"_qs;
    QTest::newRow("mass empty") << QByteArray("BodyMass") << QString() << u"80"_qs;
    QTest::newRow("rate 0") << QByteArray("Rate") << u"0"_qs << u"0,13"_qs;
    QTest::newRow("rate above the fastest")
        << QByteArray("FastestRate") << u"0,12"_qs << u"0,16"_qs;
    QTest::newRow("slowest above the rate") << QByteArray("SlowestRate") << u"0,14"_qs << u"0,1"_qs;
    QTest::newRow("fastest above 0,5") << QByteArray("FastestRate") << u"0,6"_qs << u"0,16"_qs;
    QTest::newRow("deficit 31") << QByteArray("Deficit") << u"31"_qs << u"0"_qs;
    QTest::newRow("absorption 181") << QByteArray("Absorption") << u"181"_qs << u"0"_qs;
    QTest::newRow("planner 7:5") << QByteArray("PlannedTime") << u"7:5"_qs << u"08:00"_qs;
}

void TestForecastWindow::badInputMarksItsFieldAndShowsNoStaleAnswer() {
    QFETCH(QByteArray, field);
    QFETCH(QString, input);
    workedExample();
    openForecast();
    QVERIFY(chart()->hasData());
    QVERIFY(problem(field.constData()).isEmpty());

    f<QLineEdit>(field.constData())->setText(input);
    QVERIFY2(!problem(field.constData()).isEmpty(), field.constData());
    QCOMPARE(f<QLineEdit>(field.constData())->accessibleDescription(), problem(field.constData()));
    QCOMPARE(summary(), u"Проверьте выделенные поля"_qs);
    QVERIFY(!chart()->hasData());
    QVERIFY(!chart()->readoutAt(chart()->plotRect().center().x()));
    QVERIFY(t->dialogs.shown.isEmpty());

    // Mended, the answer comes back.
    QFETCH(QString, good);
    f<QLineEdit>(field.constData())->setText(good);
    QVERIFY(problem(field.constData()).isEmpty());
    QVERIFY2(summary().startsWith(u"Пик: 0,58 ‰"_qs), qPrintable(summary()));
    QVERIFY(chart()->hasData());
}

void TestForecastWindow::keyboardAloneAddsATypedDrink() {
    calc<QLineEdit>("Text2")->setText(u"80"_qs);
    openForecast();
    ForecastWindow* w = forecast();
    QCOMPARE(rows(), 0);
    QVERIFY(summary().contains(u"Insert"_qs));

    // The window gets the keys, as the window system gives them to a window that opens.
    w->activateWindow();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), w);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Insert);
    QCOMPARE(rows(), 1);
    QWidget* time = f("DrinkTime");
    QCOMPARE(QApplication::focusWidget(), time);
    QTest::keyClicks(time, u"20:00"_qs);
    // Tab on to the drink, chosen by its first letters, then to the amount.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f("DrinkName"));
    type(QApplication::focusWidget(), u"Вод"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f("DrinkGrams"));
    QTest::keyClicks(QApplication::focusWidget(), u"100"_qs);
    QVERIFY2(summary().contains(u"Пик: 0,58 ‰ в 20:00"_qs), qPrintable(summary()));

    // Delete in the list removes the drink; in a field it deletes characters.
    f("Drinks")->setFocus();
    QTest::keyClick(f("Drinks"), Qt::Key_Delete);
    QCOMPARE(rows(), 0);
}

void TestForecastWindow::removingTheLastDrinkLeavesAnEmptyChartWithAHint() {
    workedExample();
    openForecast();
    TestApplication::click(f("RemoveDrink"));
    QCOMPARE(rows(), 0);
    QVERIFY(!chart()->hasData());
    QVERIFY(summary().contains(u"Добавьте напиток"_qs));
    QVERIFY(!f("DrinkGrams")->isEnabled());
    TestApplication::click(f("RemoveDrink")); // nothing left to remove
    QCOMPARE(rows(), 0);
}

void TestForecastWindow::reportChartAndDataAreSavedWhereTheUserSays() {
    workedExample();
    openForecast();
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString pdf = out.filePath(u"отчёт"_qs); // the suffix is added
    const QString png = out.filePath(u"chart.png"_qs);
    const QString csv = out.filePath(u"data.csv"_qs);
    t->dialogs.answers = {pdf, png, csv};
    TestApplication::click(f("SaveReport"));
    TestApplication::click(f("SaveChart"));
    TestApplication::click(f("SaveData"));
    QVERIFY(t->dialogs.shown.isEmpty());
    QCOMPARE(t->dialogs.asked.size(), 3);
    // Each question starts where the last file went.
    QCOMPARE(QFileInfo(t->dialogs.asked[1].title).absolutePath(), out.path());
    QVERIFY(t->dialogs.asked[0].title.endsWith(u"прогноз-2026-12-08.pdf"_qs));

    QFile report(pdf + u".pdf"_qs);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray bytes = report.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    // One page: one page object besides the page tree.
    static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_qs);
    QCOMPARE(QString::fromLatin1(bytes).count(page), 1);

    const QImage image(out.filePath(u"chart.png"_qs));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), chart()->size() * chart()->devicePixelRatio());

    QFile data(csv);
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray raw = data.readAll();
    QVERIFY(raw.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(raw.mid(3)).split(u"\r\n"_qs, Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), u"время;промилле;нижняя граница;верхняя граница;замер"_qs);
    // 21:00 to the slowest curve's end at 0,5837 / 0,10 h: every 5 minutes, and the last one.
    QCOMPARE(lines[1], u"08.12.2026 21:00;0,584;0,584;0,584;"_qs);
    QCOMPARE(lines[13], u"08.12.2026 22:00;0,454;0,424;0,484;"_qs);
    QCOMPARE(lines.last().section(u';', 1), u"0,000;0,000;0,000;"_qs);
    for (const QString& line : lines)
        QCOMPARE(line.count(u';'), 4);
}

void TestForecastWindow::cancelledOrImpossibleSaveLeavesNothing() {
    workedExample();
    openForecast();
    QTemporaryDir out;
    t->dialogs.answers = {QString()}; // cancelled
    TestApplication::click(f("SaveReport"));
    QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QVERIFY(t->dialogs.shown.isEmpty());

    // A folder that does not exist: one message, no file.
    t->dialogs.answers = {out.filePath(u"missing/data.csv"_qs)};
    TestApplication::click(f("SaveData"));
    QCOMPARE(t->dialogs.shown.size(), 1);
    QCOMPARE(t->dialogs.shown.first().title, u"Прогноз"_qs);
    QVERIFY(!QFile::exists(out.filePath(u"missing/data.csv"_qs)));

    // Without an answer there is nothing to keep.
    f<QLineEdit>("DrinkGrams")->clear();
    for (const char* button : {"SaveReport", "SaveChart", "SaveData", "Print"})
        QVERIFY2(!f(button)->isEnabled(), button);
}

void TestForecastWindow::modelCountryAndDriverChangeTheAnswers() {
    // 100 g of vodka at 21:00, 80 kg; at 23:30 the band is 0,18–0,33 ‰.
    workedExample();
    openForecast();
    f<QLineEdit>("PlannedTime")->setText(u"23:30"_qs);
    QVERIFY(summary().contains(u"Предел по закону (Россия): 0,3 г/л в крови"_qs));
    QVERIFY(summary().contains(u"В 23:30: 0,18–0,33 ‰ — неопределённо"_qs));
    QVERIFY(f("Driver")->isVisible());
    QVERIFY(!f("OwnLimit")->isVisible());

    auto* country = f<QComboBox>("Country");
    country->setCurrentIndex(country->findData(u"DE"_qs));
    QVERIFY2(summary().contains(u"Предел по закону (Германия): 0,5 г/л"_qs), qPrintable(summary()));
    QVERIFY(summary().contains(u"Ниже предела 0,5 ‰: с 21:39"_qs));
    QVERIFY(summary().contains(u"— ниже предела даже при медленном выведении"_qs));

    // A novice in Germany may have no alcohol at all.
    f<QComboBox>("Driver")->setCurrentIndex(1);
    QVERIFY(summary().contains(u"Германия, начинающий водитель"_qs));
    QVERIFY(summary().contains(u"— выше предела даже при быстром выведении"_qs));

    // An own limit starts from the one that applied, then follows what is typed.
    country->setCurrentIndex(country->count() - 1);
    QVERIFY(f("OwnLimit")->isVisible());
    QVERIFY(!f("Driver")->isVisible());
    QCOMPARE(f<QLineEdit>("OwnLimit")->text(), u"0"_qs);
    f<QLineEdit>("OwnLimit")->setText(u"0,2"_qs);
    QVERIFY(summary().contains(u"В 23:30: 0,18–0,33 ‰ — неопределённо"_qs));
    f<QLineEdit>("OwnLimit")->setText(u"2"_qs);
    QCOMPARE(summary(), u"Проверьте выделенные поля"_qs);
    QVERIFY(!problem("OwnLimit").isEmpty());
    country->setCurrentIndex(0);

    // A body-water model asks for height and age; all models widen the band.
    QVERIFY(!f("Height")->isVisible());
    auto* model = f<QComboBox>("Model");
    model->setCurrentIndex(model->findData(u"watson"_qs));
    QVERIFY(f("Height")->isVisible());
    QVERIFY(f("Age")->isVisible());
    QVERIFY(!summary().contains(u"Пик: 0,58 ‰"_qs));
    model->setCurrentIndex(model->findData(u"all"_qs));
    QVERIFY(summary().contains(u"Пик: 0,58 ‰ в 21:00 ("_qs));
    f<QLineEdit>("Height")->setText(u"99"_qs);
    QVERIFY(!problem("Height").isEmpty());
    QCOMPARE(summary(), u"Проверьте выделенные поля"_qs);
}

void TestForecastWindow::everyControlHasASpokenName() {
    workedExample();
    openForecast();
    auto* model = f<QComboBox>("Model");
    model->setCurrentIndex(model->findData(u"all"_qs)); // height and age on show too
    TestApplication::click(f("AddMeasurement"));        // and the readings' panel
    int checked = 0;
    for (QWidget* w : forecast()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_qs) || !w->isVisible())
            continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
        QVERIFY(spoken);
        // An empty problem line has nothing to say, and says nothing.
        if (w->objectName().endsWith(u"Problem"_qs)) {
            QCOMPARE(spoken->role(), QAccessible::StaticText);
            continue;
        }
        ++checked;
        QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY2(checked >= 25, qPrintable(QString::number(checked)));
    // The chart says what the summary says.
    QCOMPARE(QAccessible::queryAccessibleInterface(chart())->text(QAccessible::Description),
             summary().replace(u'\n', u' '));
}

void TestForecastWindow::impossibleOrFarOffDateIsMarkedAtOnce() {
    oneDrink(u"21:00"_qs, u"100"_qs);
    f<QLineEdit>("BodyMass")->setText(u"80"_qs);
    QVERIFY(chart()->hasData());
    auto* date = f<QLineEdit>("DrinkDate");
    QCOMPARE(date->text(), u"08.12.2026"_qs);
    const auto typeDate = [&](const QString& text) {
        date->setFocus();
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date, text);
        QTest::keyClick(date, Qt::Key_Tab);
    };
    QElapsedTimer clock;
    clock.start();
    // Never moved to another day: what was typed stays, marked.
    for (const QString& impossible : {u"99.99.9999"_qs, u"31.02.2026"_qs}) {
        typeDate(impossible);
        QCOMPARE(date->text(), impossible);
        QCOMPARE(problem("DrinkDate"), u"нет такой даты"_qs);
        QCOMPARE(cell(0, 6), u"проверьте"_qs);
        QVERIFY(!chart()->hasData());
    }
    typeDate(u"09.09.9999"_qs);
    QCOMPARE(problem("DrinkDate"), u"дальше 14 дней от сегодня"_qs);
    QCOMPARE(summary(), u"Проверьте выделенные поля"_qs);
    settle();
    QVERIFY(f("SaveProblem")->isVisible());
    typeDate(u"09.12.2026"_qs);
    QCOMPARE(problem("DrinkDate"), QString());
    QVERIFY(chart()->hasData());
    settle();
    QVERIFY(!f("SaveProblem")->isVisible());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

void TestForecastWindow::aDrinkTypedAfterMidnightIsLastNights() {
    t->clock.setWallClock(QDateTime(QDate(2026, 12, 9), QTime(2, 50)));
    openForecast();
    TestApplication::click(f("AddDrink"));
    pickDrink(u"Водка 40%"_qs);
    QLineEdit* time = f<QLineEdit>("DrinkTime");
    time->clear();
    QTest::keyClicks(time, u"22:30"_qs);
    f<QLineEdit>("DrinkGrams")->setText(u"100"_qs);
    f<QLineEdit>("BodyMass")->setText(u"80"_qs);
    QCOMPARE(f<QLineEdit>("DrinkDate")->text(), u"08.12.2026"_qs);
    QCOMPARE(cell(0, 0), u"08.12"_qs);
    // Four hours and twenty minutes after 100 g of vodka, not a drink twenty hours ahead.
    QVERIFY2(summary().contains(u"Сейчас (02:50): 0,02 ‰"_qs), qPrintable(summary()));
    QVERIFY(summary().contains(u"Пик: 0,58 ‰ в 22:30, вчера"_qs));
    auto* headline = f<QLabel>("Headline");
    QVERIFY(headline->isVisible());
    QCOMPARE(headline->text(), u"Можно за руль: ниже предела даже при медленном выведении\n"
                               u"Трезвы к 04:20 (через 1 ч 30 мин)"_qs);
}

QTEST_MAIN(TestForecastWindow)
#include "tst_forecastwindow.moc"
