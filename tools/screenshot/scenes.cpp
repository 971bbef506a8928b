#include "scenes.h"

#include "desktoplooks.h"
#include "windows/periodictablewindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace {

QWidget* clickOn(TestApplication& t, const QString& form, const QString& control) {
    if (QWidget* w = t.control(form, control))
        TestApplication::click(w);
    return t.window(form);
}

QWidget* calculator(TestApplication& t) {
    clickOn(t, QStringLiteral("Form1"), QStringLiteral("Label87"));
    return t.window(QStringLiteral("Form3"));
}

void type(TestApplication& t, const char* field, const QString& text) {
    if (auto* edit = t.control<QLineEdit>(QStringLiteral("Form3"), QString::fromLatin1(field)))
        edit->setText(text);
}

// 100 g of vodka, 80 kg, an hour ago.
QWidget* calculated(TestApplication& t, const QString& hours) {
    QWidget* w = calculator(t);
    type(t, "Text1", QStringLiteral("100"));
    type(t, "Text2", QStringLiteral("80"));
    type(t, "Text3", hours);
    clickOn(t, QStringLiteral("Form3"), QStringLiteral("Command1"));
    t.clock.advance(1100);
    return w;
}

QWidget* twoDrinkEvening(TestApplication& t) {
    // An evening of two drinks: vodka from the calculator two hours ago, then a beer.
    calculator(t);
    type(t, "Text1", QStringLiteral("100"));
    type(t, "Text2", QStringLiteral("80"));
    type(t, "Text3", QStringLiteral("2"));
    clickOn(t, QStringLiteral("Form3"), QStringLiteral("ForecastLink"));
    QWidget* w = t.window(QStringLiteral("Form5"));
    if (!w)
        return nullptr;
    clickOn(t, QStringLiteral("Form5"), QStringLiteral("AddDrink"));
    auto* drink = t.control<QComboBox>(QStringLiteral("Form5"), QStringLiteral("DrinkName"));
    drink->setCurrentText(QStringLiteral("Пиво 5%"));
    emit drink->activated(drink->currentIndex());
    for (const auto& [field, text] :
         {std::pair{"DrinkTime", "21:15"}, std::pair{"DrinkGrams", "500"}})
        t.control<QLineEdit>(QStringLiteral("Form5"), QString::fromLatin1(field))
            ->setText(QString::fromUtf8(text));
    w->resize(1100, 700);
    return w;
}

// An evening as people pour it, typed into the forecast by itself at 22:00: two beers, a glass
// of wine, a shot of vodka and another one planned for a quarter past.
QWidget* fiveDrinkEvening(TestApplication& t) {
    calculator(t);
    clickOn(t, QStringLiteral("Form3"), QStringLiteral("ForecastLink"));
    QWidget* w = t.window(QStringLiteral("Form5"));
    if (!w)
        return nullptr;
    const auto control = [&](const char* name) {
        return t.control(QStringLiteral("Form5"), QString::fromLatin1(name));
    };
    qobject_cast<QLineEdit*>(control("BodyMass"))->setText(QStringLiteral("80"));
    const std::pair<const char16_t*, const char*> drinks[] = {
        {u"Пиво светлое, 0,5 л", "19:30"},
        {u"Пиво светлое, 0,5 л", "20:30"},
        {u"Вино сухое, бокал 150 мл", "21:00"},
        {u"Водка, рюмка 50 мл", "22:00"},
        {u"Водка, рюмка 50 мл", "22:15"}};
    for (const auto& [name, time] : drinks) {
        TestApplication::click(control("AddDrink"));
        auto* list = qobject_cast<QComboBox*>(control("DrinkName"));
        list->setCurrentIndex(list->findText(QString::fromUtf16(name)));
        emit list->activated(list->currentIndex());
        qobject_cast<QLineEdit*>(control("DrinkTime"))->setText(QString::fromLatin1(time));
    }
    w->resize(1100, 720);
    return w;
}

// The same evening on a desktop of its own: large type or a dark scheme, at the window's
// first size.
template <typename Look> QWidget* twoDrinkEveningWith(TestApplication& t, Look look) {
    look();
    QWidget* w = twoDrinkEvening(t);
    if (w)
        w->resize(1100, 720);
    return w;
}

// The two drinks seen at half past midnight, with two breath readings taken once the vodka had
// reached the blood: the curve starts again at each, and the readings give the person's rate.
QWidget* measuredEvening(TestApplication& t) {
    t.clock.setWallClock(QDateTime(QDate(2026, 12, 9), QTime(0, 30)));
    QWidget* w = twoDrinkEvening(t);
    if (!w)
        return nullptr;
    const auto field = [&](const char* name) {
        return t.control<QLineEdit>(QStringLiteral("Form5"), QString::fromLatin1(name));
    };
    for (const auto& [time, value] : {std::pair{"23:30", "0,32"}, std::pair{"00:30", "0,24"}}) {
        clickOn(t, QStringLiteral("Form5"), QStringLiteral("AddMeasurement"));
        field("MeasurementTime")->setText(QString::fromLatin1(time));
        field("MeasurementValue")->setText(QString::fromLatin1(value));
    }
    w->resize(1100, 900);
    return w;
}

} // namespace

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> all{
        {QStringLiteral("main"),
         [](TestApplication& t) {
             t.clock.advance(650);
             return t.window(QStringLiteral("Form1"));
         }},
        {QStringLiteral("main-recipe"),
         [](TestApplication& t) {
             t.clock.advance(650);
             return clickOn(t, QStringLiteral("Form1"), QStringLiteral("Command2"));
         }},
        {QStringLiteral("about"),
         [](TestApplication& t) {
             clickOn(t, QStringLiteral("Form1"), QStringLiteral("Command6"));
             t.clock.advance(150);
             return t.window(QStringLiteral("Form2"));
         }},
        {QStringLiteral("calculator"),
         [](TestApplication& t) {
             clickOn(t, QStringLiteral("Form1"), QStringLiteral("Label87"));
             return t.window(QStringLiteral("Form3"));
         }},
        {QStringLiteral("periodictable"),
         [](TestApplication& t) -> QWidget* {
             PeriodicTableWindow& table = t.app().windows().Form4();
             table.show();
             return &table;
         }},
        {QStringLiteral("calculator-result"),
         [](TestApplication& t) { return calculated(t, QStringLiteral("1")); }},
        {QStringLiteral("calculator-repeated"),
         [](TestApplication& t) {
             QWidget* w = calculator(t);
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Check1"));
             type(t, "Text1", QStringLiteral("100"));
             type(t, "Text2", QStringLiteral("80"));
             for (const QString& hours : {QStringLiteral("1"), QStringLiteral("2")}) {
                 type(t, "Text3", hours);
                 clickOn(t, QStringLiteral("Form3"), QStringLiteral("Command1"));
                 t.clock.advance(600);
             }
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Command4"));
             t.clock.advance(600);
             return w;
         }},
        {QStringLiteral("calculator-converter"),
         [](TestApplication& t) {
             QWidget* w = calculator(t);
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Label20"));
             t.control<QLineEdit>(QStringLiteral("Form3"), QStringLiteral("Text36"))
                 ->setText(QStringLiteral("1"));
             t.control<QLineEdit>(QStringLiteral("Form3"), QStringLiteral("Text37"))
                 ->setText(QStringLiteral("20"));
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Command8"));
             return w;
         }},
        {QStringLiteral("calculator-list"),
         [](TestApplication& t) {
             QWidget* w = calculator(t);
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Label87"));
             t.clock.advance(200);
             return w;
         }},
        {QStringLiteral("calculator-reverse"),
         [](TestApplication& t) {
             QWidget* w = calculator(t);
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Check2"));
             type(t, "Text1", QStringLiteral("0,45"));
             type(t, "Text2", QStringLiteral("80"));
             type(t, "Text3", QStringLiteral("1"));
             clickOn(t, QStringLiteral("Form3"), QStringLiteral("Command6"));
             t.clock.advance(1700);
             return w;
         }},
        {QStringLiteral("forecast"), twoDrinkEvening},
        {QStringLiteral("forecast-evening"), fiveDrinkEvening},
        {QStringLiteral("forecast-evening-14pt"),
         [](TestApplication& t) {
             QApplication::setFont(desktoplooks::sized(14));
             return fiveDrinkEvening(t);
         }},
        {QStringLiteral("forecast-evening-dark"),
         [](TestApplication& t) {
             QApplication::setPalette(desktoplooks::dark());
             return fiveDrinkEvening(t);
         }},
        {QStringLiteral("forecast-14pt"),
         [](TestApplication& t) {
             return twoDrinkEveningWith(t, [] { QApplication::setFont(desktoplooks::sized(14)); });
         }},
        {QStringLiteral("forecast-dark"),
         [](TestApplication& t) {
             return twoDrinkEveningWith(t, [] { QApplication::setPalette(desktoplooks::dark()); });
         }},
        {QStringLiteral("forecast-measured"), measuredEvening},
        {QStringLiteral("forecast-measured-14pt"),
         [](TestApplication& t) {
             QApplication::setFont(desktoplooks::sized(14));
             return measuredEvening(t);
         }},
        {QStringLiteral("forecast-report"),
         [](TestApplication& t) -> QWidget* {
             // The report of the same evening, as a PDF beside the pictures.
             QWidget* w = twoDrinkEvening(t);
             const QString folder = qApp->property("outputFolder").toString();
             t.dialogs.answers = {QDir(folder).filePath(QStringLiteral("forecast-report.pdf"))};
             clickOn(t, QStringLiteral("Form5"), QStringLiteral("SaveReport"));
             return w;
         }},
    };
    return all;
}
