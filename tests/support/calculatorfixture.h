#pragma once

#include "testapplication.h"

#include "app/timer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>

#include <memory>

// The calculator window opened from the main window, and its controls filled in and read by
// their names. A test class derives from it and opens a fresh program for every test.
class CalculatorFixture {
protected:
    // The verdict's colours.
    static constexpr QRgb Red = 0xFFFF0000;
    static constexpr QRgb Green = 0xFF00C000;

    void openProgram() {
        t = std::make_unique<TestApplication>();
        t->app().start();
        openCalculator();
    }
    void closeProgram() { t.reset(); }

    QWidget* calculator() const { return t->window(u"Form3"_qs); }
    template <class T = QWidget> T* c(const char* name) const {
        T* w = t->control<T>(u"Form3"_qs, QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString shown(const char* name) const {
        QWidget* w = c(name);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return qobject_cast<QAbstractButton*>(w)->text();
    }
    void enter(const char* field, const QString& value) {
        if (auto* combo = qobject_cast<QComboBox*>(c(field)))
            combo->setEditText(value);
        else
            c<QLineEdit>(field)->setText(value);
    }
    void press(const char* control) { TestApplication::click(c(control)); }
    void openCalculator() { TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs)); }
    // 100 g of vodka, 80 kg, men, 0,13 per hour: the worked example's inputs.
    void enterWorkedExample(const QString& hours) {
        enter("Text1", u"100"_qs);
        enter("Text2", u"80"_qs);
        enter("Text3", hours);
    }
    QImage picture() const { return c<QLabel>("Image2")->pixmap().toImage(); }
    bool timerOn(const char* name) const { return c<Timer>(name)->isEnabled(); }
    QRgb verdictColour() const {
        return c<QLabel>("Label8")->palette().color(QPalette::WindowText).rgba();
    }
    static QString resultSentence(const QString& blood, const QString& urine) {
        return u"Концентрация алкоголя в крови: "_qs + blood +
               u" промилле. Концентрация алкоголя в моче: "_qs + urine + u" промилле."_qs;
    }
    static QString eliminationSentence(const QString& hours) {
        return u"Время полного вывода алкоголя из крови: "_qs + hours + u" час"_qs;
    }
    QStringList texts(const QStringList& names) const {
        QStringList out;
        for (const QString& n : names)
            out.append(shown(n.toLatin1().constData()));
        return out;
    }
    // The Запой mode's intake slots: blood and urine values, then total and remaining times.
    static QStringList slotFields() {
        QStringList names;
        for (int i = 7; i <= 16; ++i)
            names.append(u"Text%1"_qs.arg(i));
        for (int i = 21; i <= 30; ++i)
            names.append(u"Text%1"_qs.arg(i));
        return names;
    }

    std::unique_ptr<TestApplication> t;
};
