#include "testapplication.h"

#include "app/borderlesswindow.h"
#include "app/captionstyle.h"
#include "app/stilllife.h"
#include "app/twips.h"

#include <QLabel>
#include <QSignalSpy>
#include <QWindow>

using namespace captionstyle;

class TestChrome : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void styleWordIsStrippedAndRebuilt_data();
    void styleWordIsStrippedAndRebuilt();
    void loadedWindowsHaveNoTitleBarButKeepTheirCaption_data();
    void loadedWindowsHaveNoTitleBarButKeepTheirCaption();
    void desktopCloseTakesTheWindowsOwnWayOut_data();
    void desktopCloseTakesTheWindowsOwnWayOut();
    void quitFromOutsideEndsTheProgram();
    void onlyTheLeftButtonDrags_data();
    void onlyTheLeftButtonDrags();
    void marksFollowTheRightEdge_data();
    void marksFollowTheRightEdge();
    void titleStripAndBordersFollowTheSize();

    void aboutLinksOpenThroughTheShell();
    void aboutAnimationRestartsOnEveryOpening();

private:
    BorderlessWindow* openAbout();
    std::unique_ptr<TestApplication> t;
};

void TestChrome::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
}

void TestChrome::cleanup() {
    t.reset();
}

BorderlessWindow* TestChrome::openAbout() {
    TestApplication::click(t->control(u"Form1"_qs, u"Command6"_qs));
    return qobject_cast<BorderlessWindow*>(t->window(u"Form2"_qs));
}

void TestChrome::styleWordIsStrippedAndRebuilt_data() {
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<bool>("maximise");
    QTest::addColumn<bool>("captionEmpty");
    QTest::addColumn<quint32>("before");
    QTest::addColumn<quint32>("afterStrip");
    QTest::addColumn<quint32>("afterRebuild");
    QTest::newRow("main and calculator")
        << true << false << false << 0x060A0000u << 0x06000000u << 0x060A0000u;
    QTest::newRow("About") << true << true << false << 0x060B0000u << 0x06000000u << 0x060B0000u;
    QTest::newRow("empty caption gets a title bar")
        << true << false << true << 0x060A0000u << 0x06000000u << 0x06CA0000u;
    QTest::newRow("strip keeps the sizing frame, drops the title bar")
        << false << false << false << 0x16CF0000u << 0x16040000u << 0x160C0000u;
}

void TestChrome::styleWordIsStrippedAndRebuilt() {
    QFETCH(bool, minimise);
    QFETCH(bool, maximise);
    QFETCH(bool, captionEmpty);
    QFETCH(quint32, before);
    const Declared declared{true, minimise, maximise};
    if (before >> 24 == 0x06)
        QCOMPARE(initial(declared), before);
    const quint32 afterStrip = stripped(before);
    QTEST(afterStrip, "afterStrip");
    QTEST(rebuilt(afterStrip, declared, captionEmpty), "afterRebuild");
}

void TestChrome::loadedWindowsHaveNoTitleBarButKeepTheirCaption_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<quint32>("style");
    QTest::newRow("main") << u"Form1"_qs << u"алкоголь"_qs << 0x060A0000u;
    QTest::newRow("About") << u"Form2"_qs << u"Form2"_qs << 0x060B0000u;
    QTest::newRow("calculator") << u"Form3"_qs << u"Form3"_qs << 0x060A0000u;
}

void TestChrome::loadedWindowsHaveNoTitleBarButKeepTheirCaption() {
    QFETCH(QString, form);
    if (form == u"Form2"_qs)
        openAbout();
    if (form == u"Form3"_qs)
        TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
    auto* w = qobject_cast<BorderlessWindow*>(t->window(form));
    QVERIFY(w);
    QTEST(w->caption(), "caption");
    // The desktop (task bar, switcher, screen reader) sees the visible title, never "Form2".
    QCOMPARE(w->windowTitle(), u"алкоголь"_qs);
    QCOMPARE(w->windowHandle()->title(), u"алкоголь"_qs);
    QTEST(w->styleWord(), "style");
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // The pair of calls leaves the outer rectangle as it was.
    const QRect outer = w->frameGeometry();
    SetCaptionStyle(*w, false);
    QCOMPARE(w->caption(), QString());
    QCOMPARE(w->windowTitle(), u"алкоголь"_qs);
    SetCaptionStyle(*w, true);
    QCOMPARE(w->frameGeometry(), outer);
    QTEST(w->caption(), "caption");
    QCOMPARE(w->windowTitle(), u"алкоголь"_qs);
    QVERIFY(w->isVisible());
    QCOMPARE(t->control<QLabel>(form, u"Label1"_qs)->text(), u"алкоголь"_qs);
}

void TestChrome::desktopCloseTakesTheWindowsOwnWayOut_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("ends");
    QTest::newRow("main: as Выход") << u"Form1"_qs << true;
    QTest::newRow("About: as OK") << u"Form2"_qs << false;
    QTest::newRow("calculator: as Закрыть") << u"Form3"_qs << false;
}

void TestChrome::desktopCloseTakesTheWindowsOwnWayOut() {
    QFETCH(QString, form);
    QFETCH(bool, ends);
    if (form == u"Form2"_qs)
        openAbout();
    if (form == u"Form3"_qs)
        TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
    QWidget* w = t->window(form);
    QVERIFY(w && w->isVisible());
    QSignalSpy ended(&t->app(), &Application::ended);

    // What Alt+F4 or the task bar's "Close" delivers.
    w->close();
    TestApplication::settle();
    QCOMPARE(ended.count(), ends ? 1 : 0);
    if (!ends) {
        QCOMPARE(t->window(form), nullptr);
        QVERIFY(t->window(u"Form1"_qs)->isVisible());
    }
}

void TestChrome::quitFromOutsideEndsTheProgram() {
    // The calculator open, the main window hidden: a quit asks the windows to close, and each
    // would take its own way out; the program must end instead of refusing.
    TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
    QSignalSpy ended(&t->app(), &Application::ended);
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(ended.count(), 1);
    QVERIFY(t->app().hasEnded());
    TestApplication::settle();
    QCOMPARE(t->window(u"Form3"_qs), nullptr);
    QCOMPARE(t->window(u"Form1"_qs), nullptr);
}

void TestChrome::onlyTheLeftButtonDrags_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << int(Qt::LeftButton) << true;
    QTest::newRow("right") << int(Qt::RightButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void TestChrome::onlyTheLeftButtonDrags() {
    QFETCH(int, button);
    QFETCH(bool, moves);
    QWidget* main = t->window(u"Form1"_qs);
    QWidget* strip = t->control(u"Form1"_qs, u"Image1"_qs);
    const QPoint start = main->pos();
    const auto b = Qt::MouseButton(button);
    // The offscreen platform has no system move, so the travel of the mouse moves the window.
    QTest::mousePress(strip, b, Qt::NoModifier, QPoint(300, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(350, 40), strip->mapToGlobal(QPointF(350, 40)),
                     Qt::NoButton, Qt::MouseButtons(b), Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &move);
    QTest::mouseRelease(strip, b, Qt::NoModifier, QPoint(350, 40));
    QCOMPARE(main->pos(), moves ? start + QPoint(50, 30) : start);
}

void TestChrome::marksFollowTheRightEdge_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("as laid out") << 654;
    QTest::newRow("wider") << 800;
    QTest::newRow("narrower") << 500;
}

void TestChrome::marksFollowTheRightEdge() {
    QFETCH(int, width);
    QWidget* main = t->window(u"Form1"_qs);
    main->resize(width, 416);
    QWidget* close = t->control(u"Form1"_qs, u"Picture1_0"_qs);
    QWidget* minimise = t->control(u"Form1"_qs, u"Picture1_1"_qs);
    // 40 twips from the right edge, 20 between the marks, 30 from the top.
    QCOMPARE(close->x(), twips::toPixels(width * 15 - 315 - 40));
    QCOMPARE(minimise->x(), twips::toPixels(width * 15 - 315 - 40 - 315 - 20));
    QCOMPARE(close->y(), 2);
    QCOMPARE(close->size(), QSize(21, 21));
    QCOMPARE(minimise->y(), 2);
}

void TestChrome::titleStripAndBordersFollowTheSize() {
    QWidget* main = t->window(u"Form1"_qs);
    main->resize(700, 450);
    QCOMPARE(t->control(u"Form1"_qs, u"Image1"_qs)->geometry(), QRect(0, 0, 700, 24));
    QCOMPARE(t->control(u"Form1"_qs, u"Shape1_0"_qs)->geometry(), QRect(0, 0, 700, 450));
    QCOMPARE(t->control(u"Form1"_qs, u"Shape1_1"_qs)->geometry(), QRect(1, 1, 698, 448));
    QVERIFY(!t->control<QLabel>(u"Form1"_qs, u"Image1"_qs)->pixmap().isNull());
}

void TestChrome::aboutLinksOpenThroughTheShell() {
    BorderlessWindow* about = openAbout();
    QVERIFY(about && about->isVisible());
    auto label = [&](const char* name) {
        return t->control<QLabel>(u"Form2"_qs, QString::fromLatin1(name));
    };
    QVERIFY(label("Label4")->text().startsWith(
        u"При создании этой программы использованы материалы Клиники "_qs));
    QVERIFY(label("Label4")->text().endsWith(u", сайт:"_qs));

    TestApplication::click(label("Label3"));
    TestApplication::click(label("Label59"));
    TestApplication::click(label("Label5"));
    TestApplication::click(label("Label5"));
    // A link goes wherever its text says.
    label("Label3")->setText(u"www.example.com/другое"_qs);
    TestApplication::click(label("Label3"));

    using Call = RecordingShell::Call;
    const QString mail = u"mailto:"_qs + label("Label5")->text() + u"?Subject=вук-вопросы"_qs;
    const QList<Call> expected{
        {Shell::Owner::Desktop, u"Open"_qs, u"www.example.org"_qs, QString(), u"c:\\"_qs, 1},
        {Shell::Owner::Desktop, u"Open"_qs, label("Label59")->text(), QString(), u"c:\\"_qs, 1},
        {Shell::Owner::None, u"Open"_qs, mail, QString(), QString(), 1},
        {Shell::Owner::None, u"Open"_qs, mail, QString(), QString(), 1},
        {Shell::Owner::Desktop, u"Open"_qs, u"www.example.com/другое"_qs, QString(), u"c:\\"_qs, 1},
    };
    QCOMPARE(t->shell.calls.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(t->shell.calls[i] == expected[i], qPrintable(t->shell.calls[i].target));
    QVERIFY(about->isVisible());
}

void TestChrome::aboutAnimationRestartsOnEveryOpening() {
    for (int visit = 0; visit < 2; ++visit) {
        openAbout();
        auto* image = t->control<QLabel>(u"Form2"_qs, u"Image2"_qs);
        QCOMPARE(image->pixmap().toImage(), QPixmap(u":/chrome/stilllife-about.gif"_qs).toImage());
        for (int frame : {200, 201, 200, 202, 200}) {
            t->clock.advance(100);
            QCOMPARE(image->pixmap().toImage(), StillLife::frame(frame).toImage());
        }
        t->clock.advance(150); // leave it mid-cycle
        TestApplication::click(t->control(u"Form2"_qs, u"Command1"_qs));
        TestApplication::settle();
        QCOMPARE(t->window(u"Form2"_qs), nullptr);
        for (const QString& name : t->clock.enabledTimers())
            QVERIFY2(name == u"Timer2"_qs || name == u"Timer3"_qs || name == u"Timer4"_qs ||
                         name == u"Timer5"_qs,
                     qPrintable(name)); // only the main window's chain runs
    }
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
