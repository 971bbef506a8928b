#include "desktoplooks.h"
#include "forecastwindowfixture.h"

#include "app/contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>

// The forecast window on desktops other than the usual one: large type, a dark scheme, another
// language, a screen reader.
class TestForecastReadable : public QObject, ForecastWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everythingCanBeReadAtAnyFontAndSize_data();
    void everythingCanBeReadAtAnyFontAndSize();
    void markedFieldIsReadableOnAnyScheme_data();
    void markedFieldIsReadableOnAnyScheme();
    void screenReaderHearsTheAnswersAndNoBorrowedNames();
    void programSpeaksRussianUnderAnyLanguage();

private:
    QPalette m_palette;
    QFont m_font;
};

namespace {

// The longest entry each field is expected to show whole.
const std::pair<const char*, const char16_t*> Entries[] = {
    {"DrinkDate", u"09.12.2026"}, {"DrinkTime", u"23:59"},   {"DrinkGrams", u"1000,5"},
    {"DrinkStrength", u"12,5"},   {"DrinkMinutes", u"1440"}, {"BodyMass", u"120,5"},
    {"Height", u"250"},           {"Age", u"120"},           {"Rate", u"0,125"},
    {"SlowestRate", u"0,125"},    {"FastestRate", u"0,125"}, {"Deficit", u"12,5"},
    {"Absorption", u"180"},       {"OwnLimit", u"0,25"},     {"PlannedTime", u"23:59"},
};

// The width a line edit gives its text: its contents inside the frame and the text margins,
// less the two pixels QLineEdit keeps clear on each side.
int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.marginsRemoved(edit->textMargins()).width() - 2 * 2;
}

QString withoutMnemonic(QString text) {
    return text.remove(u'&');
}

} // namespace

void TestForecastReadable::init() {
    m_palette = QApplication::palette();
    m_font = QApplication::font();
    start();
}

void TestForecastReadable::cleanup() {
    stop();
    QApplication::setPalette(m_palette);
    QApplication::setFont(m_font);
}

void TestForecastReadable::everythingCanBeReadAtAnyFontAndSize_data() {
    QTest::addColumn<int>("points"); // 0: the program's own face
    QTest::addColumn<bool>("smallest");
    QTest::newRow("14 pt, first size") << 14 << false;
    QTest::newRow("14 pt, smallest size") << 14 << true;
    QTest::newRow("own face, smallest size") << 0 << true;
}

void TestForecastReadable::everythingCanBeReadAtAnyFontAndSize() {
    QFETCH(int, points);
    QFETCH(bool, smallest);
    if (points > 0)
        QApplication::setFont(desktoplooks::sized(points));
    workedExample();
    openForecast();
    ForecastWindow* window = forecast();
    // A large font may widen it, so that nothing lies under the scroll bar.
    QCOMPARE(window->height(), 720);
    QCOMPARE_GE(window->width(), 1100);
    f<QLineEdit>("PlannedTime")->setText(u"08:00"_qs); // every answer line
    // A reading opens its table under the chart: the page grows taller than the window.
    f<QPushButton>("AddMeasurement")->click();
    f<QLineEdit>("MeasurementValue")->setText(u"0,2"_qs);
    if (smallest)
        window->resize(window->minimumSize());
    QApplication::processEvents();

    // The summary is as high as its lines need, and each of them can be scrolled to.
    auto* summary = f<QLabel>("Summary");
    QVERIFY(summary->text().count(u'\n') >= 5);
    QTRY_VERIFY2_WITH_TIMEOUT(summary->height() >= summary->heightForWidth(summary->width()),
                              qPrintable(QString::number(summary->height())), 3000);
    QList<QScrollArea*> areas; // the innermost first
    for (QWidget* w = summary->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w))
            areas.append(area);
    QVERIFY(!areas.isEmpty());
    // Nothing runs out of sight sideways: every area scrolls only up and down.
    for (QScrollArea* area : areas)
        QTRY_VERIFY2_WITH_TIMEOUT(
            area->widget()->width() <= area->viewport()->width(),
            qPrintable(u"%1 in %2"_qs.arg(area->widget()->width()).arg(area->viewport()->width())),
            3000);
    const int line = summary->fontMetrics().lineSpacing();
    for (int y = line / 2; y < summary->height(); y += line) {
        for (QScrollArea* area : areas) {
            const QPoint at = summary->mapTo(area->widget(), QPoint(0, y));
            area->ensureVisible(at.x(), at.y(), 0, line);
        }
        const QRect wholeLine(0, y, summary->width(), 1);
        QVERIFY2(summary->visibleRegion().contains(wholeLine),
                 qPrintable(u"line at %1 of %2"_qs.arg(y).arg(summary->height())));
    }

    // Captions are never cut, fields hold their longest entry.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(withoutMnemonic(label->text()));
        QVERIFY2(label->contentsRect().width() >= needed, qPrintable(label->text()));
    }
    for (const auto& [name, entry] : Entries) {
        auto* edit = f<QLineEdit>(name);
        QVERIFY2(textRoom(edit) >= edit->fontMetrics().horizontalAdvance(QString::fromUtf16(entry)),
                 name);
    }
}

void TestForecastReadable::markedFieldIsReadableOnAnyScheme_data() {
    QTest::addColumn<bool>("darkFirst");
    QTest::addColumn<bool>("darkLater"); // the desktop changes while the field is marked
    QTest::newRow("light") << false << false;
    QTest::newRow("dark") << true << true;
    QTest::newRow("light, then dark") << false << true;
    QTest::newRow("dark, then light") << true << false;
}

void TestForecastReadable::markedFieldIsReadableOnAnyScheme() {
    QFETCH(bool, darkFirst);
    QFETCH(bool, darkLater);
    const auto scheme = [](bool dark) { return dark ? desktoplooks::dark() : QPalette(); };
    QApplication::setPalette(scheme(darkFirst));
    workedExample();
    openForecast();
    auto* mass = f<QLineEdit>("BodyMass");
    mass->setText(u"19"_qs);
    QApplication::setPalette(scheme(darkLater));

    const QPalette field = mass->palette();
    QCOMPARE_GE(contrast::ratio(field.color(QPalette::Text), field.color(QPalette::Base)),
                contrast::ForText);
    QCOMPARE_NE(field.color(QPalette::Base), forecast()->palette().color(QPalette::Base));
    auto* problem = f<QLabel>("BodyMassProblem");
    QVERIFY(!problem->text().isEmpty());
    QCOMPARE_GE(contrast::ratio(problem->palette().color(QPalette::WindowText),
                                problem->palette().color(QPalette::Window)),
                contrast::ForText);

    // Mended, the field has the desktop's colours again.
    mass->setText(u"80"_qs);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Text})
        QCOMPARE(mass->palette().color(role), forecast()->palette().color(role));
}

void TestForecastReadable::screenReaderHearsTheAnswersAndNoBorrowedNames() {
    workedExample();
    openForecast();
    f<QLineEdit>("BodyMass")->setText(u"abc"_qs);
    f<QLineEdit>("BodyMass")->setText(u"80"_qs);

    QAccessibleInterface* answers = QAccessible::queryAccessibleInterface(f("Summary"));
    QCOMPARE(answers->text(QAccessible::Name), u"Прогноз"_qs);
    QVERIFY(summary().count(u'\n') >= 4);
    QCOMPARE(answers->text(QAccessible::Description), summary().replace(u'\n', u' '));

    // A label speaks for itself, or keeps silent: an empty problem line never takes its
    // group's title, a caption never its field's name.
    int problems = 0;
    for (QLabel* label : forecast()->findChildren<QLabel*>()) {
        const QString name = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        const QString own = withoutMnemonic(label->text());
        QVERIFY2(name.isEmpty() || name == own || name == label->accessibleName(),
                 qPrintable(label->objectName() + u": "_qs + name));
        problems += label->objectName().endsWith(u"Problem"_qs) && label->text().isEmpty() &&
                    name.isEmpty();
    }
    QCOMPARE_GE(problems, 10);
}

void TestForecastReadable::programSpeaksRussianUnderAnyLanguage() {
    stop();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    start();
    QCOMPARE(QLocale().language(), QLocale::Russian);
    QCOMPARE(QLocale().territory(), QLocale::Russia);
    QCOMPARE(QLocale().toString(QDate(2026, 12, 9), u"d MMMM yyyy"_qs), u"9 декабря 2026"_qs);
}

QTEST_MAIN(TestForecastReadable)
#include "tst_forecastreadable.moc"
