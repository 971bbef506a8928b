#pragma once

#include "testapplication.h"

#include "app/chartwidget.h"
#include "windows/forecastwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <memory>

// The program with its calculator open at 22:00 on 8 December 2026, and the ways the forecast
// window's tests reach its controls.
class ForecastWindowFixture {
protected:
    void start() {
        t = std::make_unique<TestApplication>();
        t->clock.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(22, 0)));
        t->app().start();
        openCalculator();
    }
    void stop() { t.reset(); }

    ForecastWindow* forecast() const {
        return qobject_cast<ForecastWindow*>(t->window(u"Form5"_qs));
    }
    template <class T = QWidget> T* f(const char* name) const {
        T* w = t->control<T>(u"Form5"_qs, QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    template <class T = QWidget> T* calc(const char* name) const {
        T* w = t->control<T>(u"Form3"_qs, QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString summary() const { return f<QLabel>("Summary")->text(); }
    int rows() const { return f<QTableView>("Drinks")->model()->rowCount(); }
    QString cell(int row, int column) const {
        const QAbstractItemModel* m = f<QTableView>("Drinks")->model();
        return m->index(row, column).data().toString();
    }
    ChartWidget* chart() const { return f<ChartWidget>("Chart"); }
    QString problem(const char* field) const {
        return f<QLabel>((QByteArray(field) + "Problem").constData())->text();
    }
    // The evening is written a second after the last change.
    void settle() { t->clock.advance(1000); }
    void openCalculator() { TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs)); }
    void openForecast() { TestApplication::click(calc("ForecastLink")); }
    // The calculator's worked example, 100 g of vodka an hour ago for 80 kg.
    void workedExample() {
        calc<QLineEdit>("Text1")->setText(u"100"_qs);
        calc<QLineEdit>("Text2")->setText(u"80"_qs);
        calc<QLineEdit>("Text3")->setText(u"1"_qs);
    }
    // A fresh forecast window with one drink of vodka typed into it.
    void oneDrink(const QString& time, const QString& grams) {
        openForecast();
        TestApplication::click(f("AddDrink"));
        f<QLineEdit>("DrinkTime")->setText(time);
        pickDrink(u"Водка 40%"_qs);
        f<QLineEdit>("DrinkGrams")->setText(grams);
    }
    // Keys with their text, one by one; unlike QTest::keyClicks, any letter.
    static void type(QWidget* w, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
    // The selected row's drink chosen from the list, as a click on it would.
    void pickDrink(const QString& name) {
        auto* list = f<QComboBox>("DrinkName");
        list->setCurrentIndex(list->findText(name));
        emit list->activated(list->currentIndex());
    }

    std::unique_ptr<TestApplication> t;
};
