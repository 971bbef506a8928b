#include "scenes.h"

#include "windows/periodictablewindow.h"

#include <QListWidget>

namespace {

QWidget* clickOn(TestApplication& t, const QString& form, const QString& control) {
    if (QWidget* w = t.control(form, control))
        TestApplication::click(w);
    return t.window(form);
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
    };
    return all;
}
