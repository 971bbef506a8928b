#include "testapplication.h"

#include "table/drinklist.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

// The program used with the keyboard alone, and as a screen reader sees it.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void recipeOpensAndClosesFromTheKeyboard();
    void focusedButtonIsPressedByEnterOrSpace_data();
    void focusedButtonIsPressedByEnterOrSpace();
    void aboutOpensByEnterAndEscapeActsAsOk();
    void aboutLinksActivateFromTheKeyboard_data();
    void aboutLinksActivateFromTheKeyboard();
    void calculatesFromTheKeyboardAndSaysTheVerdict_data();
    void calculatesFromTheKeyboardAndSaysTheVerdict();
    void optionsAndCheckBoxesFollowTheKeys();
    void converterWorksFromTheKeyboard();
    void drinkListRollsOutAndTakesTheFocus();
    void periodicTableAndCloseFromTheKeyboard();
    void focusedLinkShowsAFocusFrame();

    void everyVisibleControlHasAnAccessibleName_data();
    void everyVisibleControlHasAnAccessibleName();
    void accessibleNamesSayWhatTheControlIs_data();
    void accessibleNamesSayWhatTheControlIs();
    void fieldNamesFollowTheirLabels();
    void linksArePressableLinksForScreenReaders();

private:
    QWidget* window(const char* form) const { return t->window(QString::fromLatin1(form)); }
    template <class T = QWidget> T* c(const char* form, const char* name) const {
        return t->control<T>(QString::fromLatin1(form), QString::fromLatin1(name));
    }
    static QString focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    // Makes the window the one that gets the keys, as the window system does when it opens.
    static bool activate(QWidget* w) {
        w->activateWindow();
        QCoreApplication::processEvents();
        return QApplication::activeWindow() == w;
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), k, modifiers);
    }
    // Presses Tab until the named control has the focus; false when it is never reached.
    static bool tabTo(const char* name) {
        for (int i = 0; i < 60; ++i) {
            if (focused() == QLatin1String(name))
                return true;
            key(Qt::Key_Tab);
        }
        return false;
    }
    // The controls Tab stops on, from the focused one round to it again.
    static QStringList tabCycle(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QString start = focused();
        QStringList cycle{start};
        for (int i = 0; i < 60; ++i) {
            key(Qt::Key_Tab, modifiers);
            if (focused() == start)
                return cycle;
            cycle.append(focused());
        }
        return cycle;
    }
    // Opens a window from the main one by Tab and Enter, and makes it the active one.
    bool openFromMain(const char* control, const char* form) {
        if (!activate(window("Form1")) || !tabTo(control))
            return false;
        key(Qt::Key_Return);
        return window(form) && window(form)->isVisible() && activate(window(form));
    }
    static QString spokenName(QWidget* w) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        return face ? face->text(QAccessible::Name) : QString();
    }
    // The names of the labels a screen reader reads for the control.
    static QStringList labelNames(QWidget* w) {
        QStringList names;
        const auto relations =
            QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
        for (const auto& [face, relation] : relations)
            names.append(face->text(QAccessible::Name));
        return names;
    }
    bool enterWorkedExample(const QString& hours);

    std::unique_ptr<TestApplication> t;
};

void TestKeyboard::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
}

void TestKeyboard::cleanup() {
    t.reset();
}

void TestKeyboard::tabFollowsTheReadingOrder_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main") << QString() << u"Form1"_qs
                          << QStringList{u"List1"_qs,    u"List2"_qs,    u"List3"_qs,
                                         u"Command2"_qs, u"Command4"_qs, u"Command5"_qs,
                                         u"Command6"_qs, u"Label87"_qs};
    QTest::newRow("About") << u"Command6"_qs << u"Form2"_qs
                           << QStringList{u"Label5"_qs, u"Label59"_qs, u"Label3"_qs,
                                          u"Command1"_qs};
    QTest::newRow("calculator") << u"Label87"_qs << u"Form3"_qs
                                << QStringList{u"Check2"_qs,   u"Text1"_qs,       u"Text4"_qs,
                                               u"Label87"_qs,  u"Text2"_qs,       u"Label17"_qs,
                                               u"Option1"_qs,  u"Combo1"_qs,      u"Text3"_qs,
                                               u"Label20"_qs,  u"Check1"_qs,      u"Command1"_qs,
                                               u"Command2"_qs, u"ForecastLink"_qs};
}

void TestKeyboard::tabFollowsTheReadingOrder() {
    QFETCH(QString, opener);
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    if (!opener.isEmpty())
        QVERIFY(openFromMain(qPrintable(opener), qPrintable(form)));
    QWidget* w = t->window(form);
    QVERIFY(activate(w));
    // A window that opens puts the focus on its first control.
    QCOMPARE(focused(), order.first());
    QCOMPARE(tabCycle(), order);
    QStringList backwards{order.first()};
    for (qsizetype i = order.size() - 1; i > 0; --i)
        backwards.append(order[i]);
    QCOMPARE(tabCycle(Qt::ShiftModifier), backwards);
}

void TestKeyboard::recipeOpensAndClosesFromTheKeyboard() {
    QVERIFY(activate(window("Form1")));
    QVERIFY(tabTo("Command2"));
    key(Qt::Key_Return);
    QVERIFY(c("Form1", "Frame3")->isVisible());
    // The opened panel takes the focus; the lists under it are passed over.
    QCOMPARE(focused(), u"Text6"_qs);
    QCOMPARE(tabCycle(), (QStringList{u"Text6"_qs, u"Command3"_qs, u"Label87"_qs}));
    QVERIFY(tabTo("Command3"));
    key(Qt::Key_Return);
    QVERIFY(c("Form1", "Frame3")->isHidden());
    QVERIFY(c("Form1", "Command2")->isVisible());
    QVERIFY(QApplication::focusWidget()->isVisible());
    QVERIFY(tabTo("Command2"));
}

void TestKeyboard::focusedButtonIsPressedByEnterOrSpace_data() {
    QTest::addColumn<int>("pressKey");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestKeyboard::focusedButtonIsPressedByEnterOrSpace() {
    QFETCH(int, pressKey);
    QVERIFY(activate(window("Form1")));
    QVERIFY(tabTo("Command4"));
    key(Qt::Key(pressKey));
    QCOMPARE(t->shell.calls.size(), 1);
    QCOMPARE(t->shell.calls[0].target, t->folder.path() + u"/vodka.htm"_qs);
    // Other keys do not press it.
    key(Qt::Key_A);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(t->shell.calls.size(), 1);
}

void TestKeyboard::aboutOpensByEnterAndEscapeActsAsOk() {
    QVERIFY(openFromMain("Command6", "Form2"));
    QVERIFY(!window("Form1")->isVisible());
    key(Qt::Key_Escape);
    TestApplication::settle();
    QCOMPARE(window("Form2"), nullptr);
    QVERIFY(window("Form1")->isVisible());

    // And OK itself by Enter.
    QVERIFY(openFromMain("Command6", "Form2"));
    QVERIFY(tabTo("Command1"));
    key(Qt::Key_Return);
    TestApplication::settle();
    QCOMPARE(window("Form2"), nullptr);
    QVERIFY(window("Form1")->isVisible());
}

void TestKeyboard::aboutLinksActivateFromTheKeyboard_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("pressKey");
    QTest::addColumn<QString>("targetStart");
    QTest::newRow("site, Enter") << u"Label3"_qs << int(Qt::Key_Return) << u"www."_qs;
    QTest::newRow("mail, Space") << u"Label5"_qs << int(Qt::Key_Space) << u"mailto:"_qs;
    QTest::newRow("address, keypad Enter") << u"Label59"_qs << int(Qt::Key_Enter) << u"www."_qs;
}

void TestKeyboard::aboutLinksActivateFromTheKeyboard() {
    QFETCH(QString, link);
    QFETCH(int, pressKey);
    QFETCH(QString, targetStart);
    QVERIFY(openFromMain("Command6", "Form2"));
    QVERIFY(tabTo(qPrintable(link)));
    key(Qt::Key(pressKey));
    QCOMPARE(t->shell.calls.size(), 1);
    const QString target = t->shell.calls[0].target;
    QVERIFY2(target.startsWith(targetStart), qPrintable(target));
    QVERIFY(target.contains(c<QLabel>("Form2", qPrintable(link))->text()));
}

bool TestKeyboard::enterWorkedExample(const QString& hours) {
    // Tab selects a field's text, so typing replaces it.
    for (const auto& [field, value] :
         {std::pair{"Text1", u"100"_qs}, std::pair{"Text2", u"80"_qs}, std::pair{"Text3", hours}}) {
        if (!tabTo(field))
            return false;
        QTest::keyClicks(QApplication::focusWidget(), value);
    }
    return true;
}

void TestKeyboard::calculatesFromTheKeyboardAndSaysTheVerdict_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("forbidden") << u"1"_qs << u"0,45"_qs << u"Не допустимо вести автомобиль"_qs;
    QTest::newRow("allowed") << u"5"_qs << u"0"_qs << u"Вести автомобиль можно"_qs;
}

void TestKeyboard::calculatesFromTheKeyboardAndSaysTheVerdict() {
    QFETCH(QString, hours);
    QFETCH(QString, blood);
    QFETCH(QString, verdict);
    QVERIFY(openFromMain("Label87", "Form3"));
    QVERIFY(enterWorkedExample(hours));
    QCOMPARE(c<QLineEdit>("Form3", "Text1")->text(), u"100"_qs);
    QCOMPARE(c<QLineEdit>("Form3", "Text2")->text(), u"80"_qs);
    QCOMPARE(c<QLineEdit>("Form3", "Text3")->text(), hours);
    QVERIFY(tabTo("Command1"));
    key(Qt::Key_Return);
    QCOMPARE(c<QLineEdit>("Form3", "Text5")->text(), blood);
    QCOMPARE(c<QLabel>("Form3", "Label8")->text(), QString());
    t->clock.advance(500);
    QVERIFY(c<QLabel>("Form3", "Label7")->text().contains(blood + u" промилле"_qs));
    // The verdict is said in words, not by its colour alone, and read as such.
    auto* label = c<QLabel>("Form3", "Label8");
    QCOMPARE(label->text(), verdict);
    QCOMPARE(spokenName(label), verdict);
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestKeyboard::optionsAndCheckBoxesFollowTheKeys() {
    QVERIFY(openFromMain("Label87", "Form3"));
    QVERIFY(tabTo("Option1"));
    const QString menFactor = c<QLabel>("Form3", "Label4")->text();
    // An arrow chooses the other option, which then is the group's Tab stop.
    key(Qt::Key_Right);
    QCOMPARE(focused(), u"Option2"_qs);
    QVERIFY(c<QRadioButton>("Form3", "Option2")->isChecked());
    QVERIFY(c<QLabel>("Form3", "Label4")->text() != menFactor);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Combo1"_qs);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), u"Option2"_qs);

    // Repeated intakes: the panel that opens lies over the two links, which Tab then passes by.
    QVERIFY(tabTo("Check1"));
    key(Qt::Key_Space);
    QVERIFY(c<QCheckBox>("Form3", "Check1")->isChecked());
    QVERIFY(c("Form3", "Frame3")->isVisible());
    QVERIFY(tabTo("Check2"));
    QCOMPARE(tabCycle(),
             (QStringList{u"Check2"_qs,   u"Text1"_qs,    u"Text4"_qs,       u"Text7"_qs,
                          u"Text12"_qs,   u"Text8"_qs,    u"Text13"_qs,      u"Text9"_qs,
                          u"Text14"_qs,   u"Text10"_qs,   u"Text15"_qs,      u"Text11"_qs,
                          u"Text16"_qs,   u"Command4"_qs, u"Text2"_qs,       u"Option2"_qs,
                          u"Combo1"_qs,   u"Text3"_qs,    u"Label20"_qs,     u"Check1"_qs,
                          u"Command1"_qs, u"Command2"_qs, u"ForecastLink"_qs}));
    QVERIFY(tabTo("Check1"));
    key(Qt::Key_Space);
    QVERIFY(c("Form3", "Frame3")->isHidden());
    QVERIFY(tabTo("Label17"));
}

void TestKeyboard::converterWorksFromTheKeyboard() {
    QVERIFY(openFromMain("Label87", "Form3"));
    QVERIFY(tabTo("Label20"));
    key(Qt::Key_Return);
    QVERIFY(c("Form3", "Frame6")->isVisible());
    // The converter lies over the link, so it takes the focus.
    QCOMPARE(focused(), u"Command8"_qs);
    QVERIFY(tabTo("Text36"));
    QTest::keyClicks(QApplication::focusWidget(), u"1"_qs);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Text37"_qs);
    QTest::keyClicks(QApplication::focusWidget(), u"30"_qs);
    QVERIFY(tabTo("Command8"));
    key(Qt::Key_Return);
    QCOMPARE(c<QLineEdit>("Form3", "Text3")->text(), u"1,5"_qs);
    QVERIFY(tabTo("Command9"));
    key(Qt::Key_Space);
    QVERIFY(c("Form3", "Frame6")->isHidden());
    QVERIFY(tabTo("Label20"));
}

void TestKeyboard::drinkListRollsOutAndTakesTheFocus() {
    QVERIFY(openFromMain("Label87", "Form3"));
    QVERIFY(tabTo("Label87"));
    key(Qt::Key_Space);
    t->clock.advance(130);
    auto* list = c<QListWidget>("Form3", "List1");
    QVERIFY(list->isVisible());
    QCOMPARE(focused(), u"List1"_qs);
    key(Qt::Key_Down);
    QCOMPARE(list->currentRow(), 13);
    QCOMPARE(c<QLineEdit>("Form3", "Text4")->text(),
             drinks::strengthText(list->currentItem()->text()).value());
    QVERIFY(tabTo("Command3"));
    key(Qt::Key_Return);
    t->clock.advance(130);
    QVERIFY(list->isHidden());
    QVERIFY(QApplication::focusWidget()->isVisible());
}

void TestKeyboard::periodicTableAndCloseFromTheKeyboard() {
    QVERIFY(openFromMain("Label87", "Form3"));
    QVERIFY(tabTo("Label17"));
    key(Qt::Key_Return);
    QVERIFY(window("Form4") && window("Form4")->isVisible());
    QVERIFY(window("Form3")->isVisible());

    QVERIFY(activate(window("Form3")));
    QVERIFY(tabTo("Command2"));
    key(Qt::Key_Return);
    TestApplication::settle();
    QCOMPARE(window("Form3"), nullptr);
    QVERIFY(window("Form1")->isVisible());
}

void TestKeyboard::focusedLinkShowsAFocusFrame() {
    QVERIFY(activate(window("Form1")));
    auto* link = c("Form1", "Label87");
    const QImage plain = link->grab().toImage();
    QVERIFY(tabTo("Label87"));
    const QImage focusedLook = link->grab().toImage();
    QVERIFY(focusedLook != plain);
    key(Qt::Key_Tab);
    QCOMPARE(link->grab().toImage(), plain);
}

void TestKeyboard::everyVisibleControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("visible");
    QTest::newRow("main") << QString() << u"Form1"_qs << 27;
    QTest::newRow("About") << u"Command6"_qs << u"Form2"_qs << 14;
    QTest::newRow("calculator") << u"Label87"_qs << u"Form3"_qs << 37;
}

void TestKeyboard::everyVisibleControlHasAnAccessibleName() {
    QFETCH(QString, opener);
    QFETCH(QString, form);
    QFETCH(int, visible);
    if (!opener.isEmpty())
        QVERIFY(openFromMain(qPrintable(opener), qPrintable(form)));
    // With a result shown, so the result labels have something to say.
    if (form == u"Form3"_qs) {
        QVERIFY(enterWorkedExample(u"1"_qs));
        QVERIFY(tabTo("Command1"));
        key(Qt::Key_Return);
        t->clock.advance(1000);
    }
    int checked = 0;
    const auto controls = t->window(form)->findChildren<QWidget*>();
    for (QWidget* w : controls) {
        // Only the laid-out controls: the parts of a list or drop-down are read with it.
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_qs) || !w->isVisible())
            continue;
        ++checked;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->text().isEmpty() && label->pixmap().isNull() &&
            w->accessibleName().isEmpty()) {
            // An empty box shows nothing and has nothing to read; it must still be a label.
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::StaticText);
            continue;
        }
        QVERIFY2(!spokenName(w).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    QCOMPARE(checked, visible);
}

void TestKeyboard::accessibleNamesSayWhatTheControlIs_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    auto row = [](const char* tag, const QString& opener, const QString& form,
                  const QString& control,
                  const QString& name) { QTest::newRow(tag) << opener << form << control << name; };
    const QString main = u"Form1"_qs;
    const QString about = u"Form2"_qs;
    const QString calc = u"Form3"_qs;
    const QString stillLife = u"Натюрморт: бутылка водки, рюмка и луковица"_qs;
    row("title strip", {}, main, u"Image1"_qs,
        u"Заголовок окна — перетащите, чтобы переместить"_qs);
    row("icon", {}, main, u"Image3"_qs, u"Значок программы"_qs);
    row("close mark", {}, main, u"Picture1_0"_qs, u"Закрыть программу"_qs);
    row("minimise mark", {}, main, u"Picture1_1"_qs, u"Свернуть окно"_qs);
    row("title", {}, main, u"Label1"_qs, u"алкоголь"_qs);
    row("still life", {}, main, u"Image2"_qs, stillLife);
    row("drinks list", {}, main, u"List1"_qs, u"Напиток % алк"_qs);
    row("amounts list", {}, main, u"List3"_qs, u"Сколько принято,гр"_qs);
    row("input panel", {}, main, u"Frame1"_qs, u"Ввод"_qs);
    row("times panel", {}, main, u"Frame2"_qs,
        u"Период полного выведения алкоголя из организма"_qs);
    row("recipe button", {}, main, u"Command2"_qs, u"Рецепт выведения из запоя"_qs);
    row("recipe text", {}, main, u"Text6"_qs, u"Рецепт выведения из запоя"_qs);
    row("calculator link", {}, main, u"Label87"_qs, u"Расчет концентрации спирта в крови"_qs);
    row("About panel", u"Command6"_qs, about, u"Frame1"_qs, u"О программе"_qs);
    row("About picture", u"Command6"_qs, about, u"Image2"_qs, stillLife);
    row("About OK", u"Command6"_qs, about, u"Command1"_qs, u"OK"_qs);
    row("About title strip", u"Command6"_qs, about, u"Image1"_qs,
        u"Заголовок окна — перетащите, чтобы переместить"_qs);
    row("amount", u"Label87"_qs, calc, u"Text1"_qs, u"Количество выпитого спирта в граммах"_qs);
    row("body mass", u"Label87"_qs, calc, u"Text2"_qs, u"Масса тела в килограммах"_qs);
    row("hours", u"Label87"_qs, calc, u"Text3"_qs, u"Время после приема алкоголя в часах."_qs);
    row("strength", u"Label87"_qs, calc, u"Text4"_qs, u"процент алкоголя %"_qs);
    row("converter hours", u"Label87"_qs, calc, u"Text36"_qs, u"час"_qs);
    row("converter minutes", u"Label87"_qs, calc, u"Text37"_qs, u"мин"_qs);
    row("converter button", u"Label87"_qs, calc, u"Command8"_qs, u"Перевести в часы"_qs);
    row("list close", u"Label87"_qs, calc, u"Command3"_qs, u"Свернуть список напитков"_qs);
    row("drinks", u"Label87"_qs, calc, u"List1"_qs, u"Список напитков"_qs);
    row("first blood slot", u"Label87"_qs, calc, u"Text7"_qs, u"Кровь, прием 1"_qs);
    row("last urine slot", u"Label87"_qs, calc, u"Text16"_qs, u"Моча, прием 5"_qs);
    row("reduction panel", u"Label87"_qs, calc, u"Frame2"_qs, u"Фактор редукции."_qs);
    row("men", u"Label87"_qs, calc, u"Option1"_qs, u"муж"_qs);
    row("periodic table link", u"Label87"_qs, calc, u"Label17"_qs,
        u"Выбрать из периодической системы алкогольных элементов Штофова - Менделеева"_qs);
    row("calculator close mark", u"Label87"_qs, calc, u"Picture1_0"_qs, u"Закрыть программу"_qs);
}

void TestKeyboard::accessibleNamesSayWhatTheControlIs() {
    QFETCH(QString, opener);
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    if (!opener.isEmpty())
        QVERIFY(openFromMain(qPrintable(opener), qPrintable(form)));
    QWidget* w = t->control(form, control);
    QVERIFY(w);
    QCOMPARE(spokenName(w), name);
}

void TestKeyboard::fieldNamesFollowTheirLabels() {
    QVERIFY(openFromMain("Label87", "Form3"));
    // The drop-down says its value as its name; its label is read beside it.
    auto* rate = c("Form3", "Combo1");
    QVERIFY(labelNames(rate).contains(c<QLabel>("Form3", "Label5")->text()));
    QVERIFY(c<QLabel>("Form3", "Label5")->text().startsWith(u"Понижение концентрации алкоголя"_qs));

    // Working backwards from promille, the first field is named for what it now holds.
    QVERIFY(tabTo("Check2"));
    key(Qt::Key_Space);
    QVERIFY(c<QCheckBox>("Form3", "Check2")->isChecked());
    QCOMPARE(spokenName(c("Form3", "Text1")), u"Количество промилле в крови"_qs);
    QCOMPARE(spokenName(c("Form3", "Frame1")),
             u"Определение количества выпитого по промилле в крови"_qs);
    key(Qt::Key_Space);
    QCOMPARE(spokenName(c("Form3", "Text1")), u"Количество выпитого спирта в граммах"_qs);
}

void TestKeyboard::linksArePressableLinksForScreenReaders() {
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(c("Form1", "Label87"));
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->state().focusable);
    QCOMPARE(QAccessible::queryAccessibleInterface(c("Form1", "Image2"))->role(),
             QAccessible::Graphic);
    QCOMPARE(QAccessible::queryAccessibleInterface(c("Form1", "Label6"))->role(),
             QAccessible::StaticText);
    // A picture that only shows cannot be pressed; the marks can.
    QVERIFY(!QAccessible::queryAccessibleInterface(c("Form1", "Image2"))
                 ->actionInterface()
                 ->actionNames()
                 .contains(QAccessibleActionInterface::pressAction()));
    QAccessibleInterface* minimise =
        QAccessible::queryAccessibleInterface(c("Form1", "Picture1_1"));
    QVERIFY(minimise->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    minimise->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(window("Form1")->isMinimized());

    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(window("Form3") && window("Form3")->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
