#include "testapplication.h"

#include "windows/periodictablewindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPalette>

#include <optional>

namespace {

// One state of a window worth a picture: drives a freshly started program there and returns
// the widget to render.
struct Scene {
    const char* name;
    QWidget* (*prepare)(TestApplication&);
};

QWidget* click(TestApplication& t, const QString& form, const QString& control) {
    if (QWidget* w = t.control(form, control))
        TestApplication::click(w);
    return t.window(form);
}

QWidget* calculator(TestApplication& t) {
    click(t, u"Form1"_qs, u"Label87"_qs);
    return t.window(u"Form3"_qs);
}

void type(TestApplication& t, const QString& field, const QString& text) {
    if (auto* edit = t.control<QLineEdit>(u"Form3"_qs, field))
        edit->setText(text);
}

QWidget* calculated(TestApplication& t) {
    calculator(t);
    type(t, u"Text1"_qs, u"100"_qs);
    type(t, u"Text2"_qs, u"80"_qs);
    type(t, u"Text3"_qs, u"1"_qs);
    click(t, u"Form3"_qs, u"Command1"_qs);
    t.clock.advance(1100);
    return t.window(u"Form3"_qs);
}

QWidget* periodicTable(TestApplication& t) {
    PeriodicTableWindow& table = t.app().windows().Form4();
    table.show();
    return &table;
}

const Scene Scenes[] = {
    {"main",
     [](TestApplication& t) {
         t.clock.advance(650);
         return t.window(u"Form1"_qs);
     }},
    {"main, recipe", [](TestApplication& t) { return click(t, u"Form1"_qs, u"Command2"_qs); }},
    {"main, focused list",
     [](TestApplication& t) {
         t.control(u"Form1"_qs, u"List1"_qs)->setFocus();
         return t.window(u"Form1"_qs);
     }},
    {"about",
     [](TestApplication& t) {
         click(t, u"Form1"_qs, u"Command6"_qs);
         t.clock.advance(150);
         return t.window(u"Form2"_qs);
     }},
    {"calculator", calculator},
    {"calculator, result", calculated},
    {"calculator, selected input",
     [](TestApplication& t) {
         calculator(t);
         auto* edit = t.control<QLineEdit>(u"Form3"_qs, u"Text1"_qs);
         edit->setText(u"100"_qs);
         edit->setFocus();
         edit->selectAll();
         return t.window(u"Form3"_qs);
     }},
    {"calculator, drink list",
     [](TestApplication& t) {
         calculator(t);
         click(t, u"Form3"_qs, u"Label87"_qs);
         t.clock.advance(200);
         return t.window(u"Form3"_qs);
     }},
    {"calculator, repeated intakes",
     [](TestApplication& t) {
         calculator(t);
         click(t, u"Form3"_qs, u"Check1"_qs);
         type(t, u"Text1"_qs, u"100"_qs);
         type(t, u"Text2"_qs, u"80"_qs);
         type(t, u"Text3"_qs, u"1"_qs);
         click(t, u"Form3"_qs, u"Command1"_qs);
         t.clock.advance(600);
         return t.window(u"Form3"_qs);
     }},
    {"calculator, converter",
     [](TestApplication& t) {
         calculator(t);
         click(t, u"Form3"_qs, u"Label20"_qs);
         type(t, u"Text36"_qs, u"1"_qs);
         type(t, u"Text37"_qs, u"20"_qs);
         return t.window(u"Form3"_qs);
     }},
    {"calculator, rate list open",
     [](TestApplication& t) -> QWidget* {
         calculator(t);
         auto* rate = t.control<QComboBox>(u"Form3"_qs, u"Combo1"_qs);
         rate->showPopup();
         // The open list is a window of its own.
         return rate->view()->window();
     }},
    {"calculator, disabled",
     [](TestApplication& t) {
         // Every control drawn in the disabled colours.
         QWidget* w = calculated(t);
         w->setEnabled(false);
         return w;
     }},
    {"periodic table", periodicTable},
    {"periodic table, joke",
     [](TestApplication& t) {
         QWidget* w = periodicTable(t);
         click(t, u"Form4"_qs, u"Label1"_qs);
         return w;
     }},
};

// A desktop in a dark colour scheme with a large slanted serif face, for as long as it lives.
class DarkLargeDesktop {
public:
    DarkLargeDesktop()
        : m_palette(QApplication::palette())
        , m_font(QApplication::font()) {
        const QColor window(53, 53, 53);
        const QColor text(Qt::white);
        const QColor muted(127, 127, 127);
        QPalette dark(text, window, window.lighter(150), window.darker(150), window.darker(120),
                      text, QColor(30, 30, 30));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
            dark.setColor(group, QPalette::HighlightedText, Qt::black);
        }
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                         QPalette::HighlightedText})
            dark.setColor(QPalette::Disabled, role, muted);
        dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
        dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
        dark.setColor(QPalette::ToolTipBase, window);
        dark.setColor(QPalette::ToolTipText, text);
        dark.setColor(QPalette::PlaceholderText, muted);
        dark.setColor(QPalette::Link, QColor(42, 130, 218));
        QApplication::setPalette(dark);
        QFont face(u"Serif"_qs, 14);
        face.setItalic(true);
        QApplication::setFont(face);
    }
    ~DarkLargeDesktop() {
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    Q_DISABLE_COPY_MOVE(DarkLargeDesktop)

private:
    QPalette m_palette;
    QFont m_font;
};

enum class DesktopChange { None, BeforeOpening, WhileOpen };

QImage render(const Scene& scene, DesktopChange change) {
    TestApplication t;
    std::optional<DarkLargeDesktop> desktop;
    if (change == DesktopChange::BeforeOpening)
        desktop.emplace();
    t.app().start();
    QWidget* w = scene.prepare(t);
    if (!w)
        return {};
    if (change == DesktopChange::WhileOpen)
        desktop.emplace();
    // Whatever the change has posted (layout requests, repaints) is done before the picture.
    QCoreApplication::sendPostedEvents();
    return w->grab().toImage();
}

// Empty when the pictures are equal, else how they differ.
QString difference(const QImage& actual, const QImage& expected) {
    if (actual.isNull() || expected.isNull())
        return u"nothing was rendered"_qs;
    if (actual.size() != expected.size())
        return u"sizes differ: %1×%2 against %3×%4"_qs.arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    QRect where;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
    if (count == 0)
        return {};
    return u"%1 pixels differ within %2,%3 %4×%5"_qs.arg(count)
        .arg(where.x())
        .arg(where.y())
        .arg(where.width())
        .arg(where.height());
}

} // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT

private slots:
    void looksTheSameUnderADarkPaletteAndALargeFont_data();
    void looksTheSameUnderADarkPaletteAndALargeFont();
};

void TestDesktopLook::looksTheSameUnderADarkPaletteAndALargeFont_data() {
    QTest::addColumn<int>("scene");
    for (int i = 0; i < int(std::size(Scenes)); ++i)
        QTest::newRow(Scenes[i].name) << i;
}

void TestDesktopLook::looksTheSameUnderADarkPaletteAndALargeFont() {
    QFETCH(int, scene);
    const Scene& s = Scenes[scene];
    const QImage normal = render(s, DesktopChange::None);
    QVERIFY(!normal.isNull());
    const QString opened = difference(render(s, DesktopChange::BeforeOpening), normal);
    QVERIFY2(opened.isEmpty(), qPrintable(u"opened after the change: "_qs + opened));
    const QString open = difference(render(s, DesktopChange::WhileOpen), normal);
    QVERIFY2(open.isEmpty(), qPrintable(u"open during the change: "_qs + open));
}

QTEST_MAIN(TestDesktopLook)
#include "tst_desktoplook.moc"
