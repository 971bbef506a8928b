#include "forecast/bodymodel.h"
#include "forecast/drinksmodel.h"
#include "forecast/eveningcheck.h"
#include "forecast/forecastexport.h"
#include "forecast/forecastsummary.h"
#include "forecast/modelchoice.h"
#include "forecast/reportpage.h"

#include "sampleevening.h"

#include <QTest>

// What the forecast says of an evening, in the window and on the report page, and which body
// fields each model choice reads.
class TestForecastAnswer : public QObject {
    Q_OBJECT

private slots:
    void windowSaysWhatTheEveningAllows_data();
    void windowSaysWhatTheEveningAllows();
    void reportListsTheWindowsAnswersWithoutTheWarning();
    void reportNamesEveryModelForAllModels();
    void readingsGoToTheReportAndTheData_data();
    void readingsGoToTheReportAndTheData();
    void modelChoicesReadWhatTheirModelsNeed();
    void headlineLeadsWithTheCarefulTime_data();
    void headlineLeadsWithTheCarefulTime();
    void aClockTimeBelongsToTheEveningAroundNow_data();
    void aClockTimeBelongsToTheEveningAroundNow();
    void drinksStillToComeAreMarkedAsPlanned();
    void bandLegendNamesWhatTheBandSpans();
};

namespace {
const QDateTime Now = sample::Now;
Evening goodForm() {
    return sample::evening();
}
constexpr auto Breath = Measurement::Kind::Breath;
constexpr auto Blood = Measurement::Kind::Blood;
} // namespace

void TestForecastAnswer::windowSaysWhatTheEveningAllows_data() {
    QTest::addColumn<Evening>("form");
    QTest::addColumn<QStringList>("expected"); // the whole answer, or how its lines begin
    Evening none = goodForm();
    none.drinks.clear();
    none.mass.clear(); // a wrong field says nothing while there is no drink
    QTest::newRow("no drinks") << none << QStringList{forecastsummary::emptyHint()};
    Evening bad = goodForm();
    bad.drinks[0].grams = u"много"_qs;
    QTest::newRow("a wrong field") << bad << QStringList{forecastsummary::checkFields()};
    QTest::newRow("an evening") << goodForm()
                                << QStringList{u"Пик: "_qs, u"Сейчас (22:01): "_qs,
                                               u"Предел по закону (Россия"_qs};
}

void TestForecastAnswer::windowSaysWhatTheEveningAllows() {
    QFETCH(Evening, form);
    QFETCH(QStringList, expected);
    const QStringList shown = forecastsummary::shown(form, checkEvening(form, Now), Now);
    if (expected.size() == 1) {
        QCOMPARE(shown, expected);
        return;
    }
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(shown.value(i).startsWith(expected[i]), qPrintable(shown.value(i)));
    QCOMPARE(shown.last(), forecastsummary::warning());
}

void TestForecastAnswer::reportListsTheWindowsAnswersWithoutTheWarning() {
    const Evening form = goodForm();
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    const ReportPage page = reportPage(form, check, Now);
    QStringList shown = forecastsummary::shown(form, check, Now);
    shown.removeLast();
    QCOMPARE(page.summary, shown);
    QCOMPARE(page.warning, forecastsummary::warning());
    QVERIFY(!page.summary.contains(forecastsummary::warning()));
    // The constants are those the computation uses, written as the program writes numbers.
    QVERIFY(page.notes.constFirst().contains(u"× 0,79384"_qs));
    QVERIFY(page.notes.constFirst().contains(u"1 ‰ соответствует 0,5 мг/л"_qs));
}

void TestForecastAnswer::reportNamesEveryModelForAllModels() {
    Evening form = goodForm();
    form.model = Forecast::AllModels.toString();
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    const ReportPage page = reportPage(form, check, Now);
    QVERIFY(page.person.filter(u"Модель: все модели, фактор редукции r = "_qs).size() == 1);
    for (const BodyModel& model : BodyModel::all())
        QVERIFY2(page.notes[1].contains(model.name() + u": "_qs + model.source()),
                 qPrintable(model.name()));
}

void TestForecastAnswer::readingsGoToTheReportAndTheData_data() {
    QTest::addColumn<QList<MeasurementEntry>>("typed");
    QTest::addColumn<QList<QStringList>>("report");
    QTest::addColumn<QStringList>("data"); // the readings' rows
    const QDate day(2026, 12, 8);
    QTest::newRow("none") << QList<MeasurementEntry>{} << QList<QStringList>{} << QStringList{};
    // 21:47 lies between the rows of 21:45 and 21:50, 22:30 is one of them.
    QTest::newRow("between steps, and on a step typed first")
        << QList<MeasurementEntry>{{day, u"22:30"_qs, u"0,3"_qs, Blood},
                                   {day, u"21:47"_qs, u"0.25"_qs, Breath}}
        << QList<QStringList>{{u"08.12.2026"_qs, u"21:47"_qs, u"0,25 мг/л"_qs, u"выдох"_qs,
                               u"0,50"_qs},
                              {u"08.12.2026"_qs, u"22:30"_qs, u"0,30 ‰"_qs, u"кровь"_qs,
                               u"0,30"_qs}}
        << QStringList{u"08.12.2026 21:47;0,500;0,500;0,500;0,500"_qs,
                       u"08.12.2026 22:30;0,300;0,300;0,300;0,300"_qs};
}

void TestForecastAnswer::readingsGoToTheReportAndTheData() {
    QFETCH(QList<MeasurementEntry>, typed);
    QFETCH(QList<QStringList>, report);
    QFETCH(QStringList, data);
    Evening form = goodForm();
    form.measurements = typed;
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    const ReportPage page = reportPage(form, check, Now);
    QCOMPARE(page.readings, report);
    QCOMPARE(page.readingHeader.size(), report.isEmpty() ? 0 : 5);
    // What the readings say is said on paper too.
    for (const QString& line : forecastsummary::measurementLines(check, Now.date()))
        QVERIFY2(page.summary.contains(line), qPrintable(line));

    const QStringList lines =
        QString::fromUtf8(forecastexport::csv(*check.forecast, check.readings()))
            .split(u"\r\n"_qs, Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), u"время;промилле;нижняя граница;верхняя граница;замер"_qs);
    // Every fifth minute and the curve's end, in time order; the readings' own rows besides.
    QStringList measured;
    QDateTime previous;
    for (const QString& line : lines.sliced(1)) {
        const QDateTime at = QDateTime::fromString(line.left(16), u"dd.MM.yyyy HH:mm"_qs);
        QVERIFY(!previous.isValid() || at > previous);
        previous = at;
        if (!line.endsWith(u';'))
            measured.append(line);
        else
            QVERIFY(check.forecast->start().secsTo(at) % 300 == 0 || at == check.forecast->end());
    }
    QCOMPARE(measured, data);
}

void TestForecastAnswer::modelChoicesReadWhatTheirModelsNeed() {
    const QList<modelchoice::Choice> choices = modelchoice::all();
    QCOMPARE(choices.size(), BodyModel::all().size() + 1);
    QCOMPARE(choices.last().key, Forecast::AllModels.toString());
    QCOMPARE(choices.last().name, u"все модели"_qs);
    for (const BodyModel& model : BodyModel::all()) {
        QVERIFY(modelchoice::isKnown(model.key()));
        QCOMPARE(modelchoice::needsHeight(model.key()), model.needsHeight());
        QCOMPARE(modelchoice::needsAge(model.key()), model.needsAge());
    }
    // All of them read everything any of them reads; an unknown key reads nothing.
    QVERIFY(modelchoice::needsHeight(Forecast::AllModels) &&
            modelchoice::needsAge(Forecast::AllModels));
    QVERIFY(!modelchoice::isKnown(u"mystery"));
    QVERIFY(!modelchoice::needsHeight(u"mystery") && !modelchoice::needsAge(u"mystery"));
    QVERIFY(modelchoice::name(u"mystery").isEmpty() && modelchoice::sources(u"mystery").isEmpty());
}

void TestForecastAnswer::headlineLeadsWithTheCarefulTime_data() {
    // 100 g of vodka at 21:00 for 80 kg: under 0,3 ‰ from 22:11 (21:46 to 22:50), sober at
    // 00:29 (23:39 to 01:50); the slow elimination gives the later time of each.
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("still above") << QTime(22, 0)
                                 << QStringList{u"За руль — не раньше 23:50 (через 1 ч 50 мин)"_qs,
                                                u"Трезвы к 02:50, завтра (через 4 ч 50 мин)"_qs};
    QTest::newRow("below at the central rate, not yet at the slow one")
        << QTime(23, 30)
        << QStringList{u"За руль — не раньше 23:50 (через 20 мин)"_qs,
                       u"Трезвы к 02:50, завтра (через 3 ч 20 мин)"_qs};
    QTest::newRow("below even at the slow rate")
        << QTime(23, 50)
        << QStringList{u"Можно за руль: ниже предела даже при медленном выведении"_qs,
                       u"Трезвы к 02:50, завтра (через 3 ч)"_qs};
}

void TestForecastAnswer::headlineLeadsWithTheCarefulTime() {
    QFETCH(QTime, now);
    const QDateTime at(QDate(2026, 12, 8), now);
    const EveningCheck check = checkEvening(goodForm(), at);
    QVERIFY(check.ok());
    QTEST(forecastsummary::headline(*check.forecast, check.limit, at), "expected");
}

void TestForecastAnswer::aClockTimeBelongsToTheEveningAroundNow_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("day");
    const QDate today(2026, 12, 9);
    const QDate yesterday(2026, 12, 8);
    // It is 02:50: an hour ahead is still tonight, anything later was last night.
    QTest::newRow("last night") << u"22:30"_qs << yesterday;
    QTest::newRow("just after midnight") << u"00:10"_qs << today;
    QTest::newRow("within the coming hour") << u"03:50"_qs << today;
    QTest::newRow("past the coming hour") << u"03:51"_qs << yesterday;
    QTest::newRow("not a time yet") << u"22:3"_qs << today;
}

void TestForecastAnswer::aClockTimeBelongsToTheEveningAroundNow() {
    QFETCH(QString, typed);
    const QDateTime now(QDate(2026, 12, 9), QTime(2, 50));
    DrinksModel model;
    model.setClock([now] { return now; });
    DrinkEntry drink = goodForm().drinks[0];
    drink.date = now.date();
    model.setDrinks({drink});
    QVERIFY(model.setData(model.index(0, DrinksModel::TimeColumn), typed));
    QTEST(model.drinks()[0].date, "day");
    // A date typed by hand stays as typed.
    QVERIFY(model.setData(model.index(0, DrinksModel::DateColumn), u"07.12.2026"_qs));
    QVERIFY(model.setData(model.index(0, DrinksModel::TimeColumn), u"01:00"_qs));
    QCOMPARE(model.drinks()[0].date, QDate(2026, 12, 7));
}

void TestForecastAnswer::drinksStillToComeAreMarkedAsPlanned() {
    Evening evening = goodForm();
    evening.drinks.append(evening.drinks[0]);
    evening.drinks[1].time = u"23:30"_qs;
    const EveningCheck check = checkEvening(evening, Now);
    QVERIFY(check.ok());
    DrinksModel model;
    model.setClock([] { return Now; });
    model.setDrinks(evening.drinks);
    model.setChecks(check.drinks);
    QCOMPARE(model.index(0, DrinksModel::StateColumn).data().toString(), QString());
    QCOMPARE(model.index(1, DrinksModel::StateColumn).data().toString(), u"запланирован"_qs);
    QCOMPARE(model.index(1, DrinksModel::StateColumn).data(DrinksModel::ProblemRole).toString(),
             QString()); // planned is not wrong
    const QStringList shown = forecastsummary::shown(evening, check, Now);
    QCOMPARE(shown[shown.size() - 2], u"Учтены и запланированные напитки: первый в 23:30"_qs);
}

void TestForecastAnswer::bandLegendNamesWhatTheBandSpans() {
    Evening evening = goodForm();
    evening.slowestRate = u"0,08"_qs;
    QCOMPARE(forecastsummary::bandLegend(*checkEvening(evening, Now).forecast),
             u"диапазон: выведение 0,08–0,16 ‰/ч"_qs);
    evening.model = Forecast::AllModels.toString();
    QCOMPARE(forecastsummary::bandLegend(*checkEvening(evening, Now).forecast),
             u"диапазон: все модели, выведение 0,08–0,16 ‰/ч"_qs);
}

QTEST_GUILESS_MAIN(TestForecastAnswer)
#include "tst_forecastanswer.moc"
