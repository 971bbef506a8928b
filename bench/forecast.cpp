// Cost of answering one edit in the forecast window: recomputing an evening of 30 drinks with
// its band over the 72 h horizon (and again with five readings), and repainting the chart at 1000 ×
// 600. Printed beside the cost of painting an empty widget of the same size, measured in the same
// run.
#include "forecast/forecast.h"
#include "app/chartwidget.h"
#include "windows/forecastchart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

double perRunMs(int runs, const std::function<void()>& run) {
    run(); // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        run();
    return timer.nsecsElapsed() / 1e6 / runs;
}

// A long evening: 30 drinks, one every 20 minutes, spirits and beer in turn, each taking its
// time to drink and to reach the blood.
QList<Drink> evening() {
    QList<Drink> drinks;
    const QDateTime start(QDate(2026, 12, 8), QTime(18, 0));
    for (int i = 0; i < 30; ++i)
        drinks.append(i % 2 ? Drink{start.addSecs(i * 1200), 500, 5, 15}
                            : Drink{start.addSecs(i * 1200), 50, 40, 0});
    return drinks;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int runs = qapp.arguments().value(1, QStringLiteral("50")).toInt();

    const QList<Drink> drinks = evening();
    const Person person{Sex::Male, 80};
    ForecastParams params;
    params.absorptionMinutes = 45;
    params.deficit = 0.1;
    Forecast forecast;
    const double compute = perRunMs(
        runs, [&] { forecast = Forecast::compute(drinks, person, BodyModel::widmark(), params); });

    // The same evening after five breath readings in the night, the person's rate known.
    Anchors anchors;
    for (int i = 0; i < 5; ++i)
        anchors.readings.append({drinks.last().start.addSecs(3600 * (2 + i)), 0.9 - 0.08 * i,
                                 Measurement::Kind::Breath});
    anchors.rates = RateBand{0.15, 0.16, 0.17};
    const double measured = perRunMs(runs, [&] {
        forecast = Forecast::compute(drinks, person, BodyModel::widmark(), params, anchors);
    });

    ChartWidget chart;
    chart.resize(1000, 600);
    chart.setDescription(
        forecastchart::describe(forecast, 0.3, forecast.start().addSecs(4 * 3600)));
    QWidget empty;
    empty.resize(1000, 600);
    QImage canvas(1000, 600, QImage::Format_ARGB32_Premultiplied);
    const auto paintOnce = [&](QWidget& w) {
        QPainter painter(&canvas);
        w.render(&painter);
    };
    const double baseline = perRunMs(runs, [&] { paintOnce(empty); });
    const double paint = perRunMs(runs, [&] { paintOnce(chart); });

    std::printf("points %lld compute %.3f measured %.3f (x%.2f) paint %.3f baseline %.3f\n",
                static_cast<long long>(forecast.pointCount()), compute, measured,
                measured / compute, paint, baseline);
    return 0;
}
