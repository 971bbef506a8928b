#include "forecast/bodymodel.h"
#include "forecast/eveningcheck.h"
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
    void modelChoicesReadWhatTheirModelsNeed();
};

namespace {
const QDateTime Now = sample::Now;
Evening goodForm() {
    return sample::evening();
}
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

QTEST_GUILESS_MAIN(TestForecastAnswer)
#include "tst_forecastanswer.moc"
