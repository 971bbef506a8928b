#include "testapplication.h"

#include "app/framedifference.h"
#include "app/outlinerect.h"
#include "app/stilllife.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>
#include <QWindow>

namespace {

// Every region a widget is asked to paint.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* watched)
        : QObject(watched) {
        watched->installEventFilter(this);
    }
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            regions.append(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

// Delivers the repaints a tick asked for.
void paintPending() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// What the window shows: the offscreen platform hands out its backing store.
QImage onScreen(QWidget* window) {
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The same window painted whole, from its current state.
QImage paintedWhole(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(colour);
    return image;
}

QImage withPixels(QImage image, const QList<QPoint>& points, QRgb colour) {
    for (const QPoint& p : points)
        image.setPixel(p, colour);
    return image;
}

} // namespace

class TestStillLife : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void changedRectBoundsEveryDifferingPixel_data();
    void changedRectBoundsEveryDifferingPixel();
    void framePairsDifferOnlyInsideTheirRectangle_data();
    void framePairsDifferOnlyInsideTheirRectangle();
    void tickRepaintsOnlyWhereTheFramesDiffer_data();
    void tickRepaintsOnlyWhereTheFramesDiffer();
    void windowLooksRepaintedWholeAfterEveryTick_data();
    void windowLooksRepaintedWholeAfterEveryTick();
    void unseenWindowIsNotPaintedButFollowsTheChain_data();
    void unseenWindowIsNotPaintedButFollowsTheChain();
    void tickWakesTheProgramOnlyOnce_data();
    void tickWakesTheProgramOnlyOnce();
    void framesAreTheResourcesPictures();
    void outlineSurvivesARepaintOfAnyPart_data();
    void outlineSurvivesARepaintOfAnyPart();

private:
    // The window of the still life: the main window, or the About window opened from it.
    QWidget* open(const QString& form);
    QLabel* picture(const QString& form) const {
        return t->control<QLabel>(form, QStringLiteral("Image2"));
    }
    void addWindowRows();

    std::unique_ptr<TestApplication> t;
};

void TestStillLife::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
}

void TestStillLife::cleanup() {
    t.reset();
}

QWidget* TestStillLife::open(const QString& form) {
    if (form == u"Form2"_qs)
        TestApplication::click(t->control(u"Form1"_qs, u"Command6"_qs));
    QWidget* window = t->window(form);
    // The first picture is painted whole; the ticks come after.
    paintPending();
    return window;
}

void TestStillLife::addWindowRows() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("frames");
    QTest::newRow("main") << u"Form1"_qs << QList<int>{300, 301, 300, 302};
    QTest::newRow("About") << u"Form2"_qs << QList<int>{200, 201, 200, 202};
}

void TestStillLife::changedRectBoundsEveryDifferingPixel_data() {
    QTest::addColumn<QImage>("before");
    QTest::addColumn<QImage>("after");
    QTest::addColumn<QRect>("expected");
    const QSize size(20, 10);
    const QImage white = filled(size, 0xffffffff);
    QTest::newRow("same") << white << filled(size, 0xffffffff) << QRect();
    QTest::newRow("one pixel") << white << withPixels(white, {{7, 3}}, 0xff000000)
                               << QRect(7, 3, 1, 1);
    QTest::newRow("corners") << white << withPixels(white, {{0, 0}, {19, 9}}, 0xff000000)
                             << QRect(0, 0, 20, 10);
    QTest::newRow("two apart") << white << withPixels(white, {{15, 2}, {4, 6}}, 0xfffefefe)
                               << QRect(4, 2, 12, 5);
    QTest::newRow("last column only")
        << white << withPixels(white, {{19, 4}, {19, 5}}, 0xff0000ff) << QRect(19, 4, 1, 2);
    QTest::newRow("same colours, other format")
        << white << filled(size, 0xffffffff, QImage::Format_ARGB32) << QRect();
    QTest::newRow("other sizes") << white << filled(QSize(10, 30), 0xffffffff)
                                 << QRect(0, 0, 20, 30);
    QTest::newRow("transparent in any colour")
        << filled(size, 0x00ff0000, QImage::Format_ARGB32)
        << filled(size, 0x0000ff00, QImage::Format_ARGB32) << QRect();
}

void TestStillLife::changedRectBoundsEveryDifferingPixel() {
    QFETCH(QImage, before);
    QFETCH(QImage, after);
    QFETCH(QRect, expected);
    QCOMPARE(framedifference::changedRect(before, after), expected);
    QCOMPARE(framedifference::changedRect(after, before), expected);
}

void TestStillLife::framePairsDifferOnlyInsideTheirRectangle_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    for (const auto& [from, to] : {std::pair{300, 301},
                                   {301, 300},
                                   {300, 302},
                                   {302, 300},
                                   {301, 302},
                                   {200, 201},
                                   {201, 200},
                                   {200, 202},
                                   {202, 200}})
        QTest::addRow("%d to %d", from, to) << from << to;
}

void TestStillLife::framePairsDifferOnlyInsideTheirRectangle() {
    QFETCH(int, from);
    QFETCH(int, to);
    QLabel label;
    QObject owner;
    StillLife life(&label, t->clock, {from, to}, 90, &owner);
    const QImage before = StillLife::frame(from).toImage();
    const QImage after = StillLife::frame(to).toImage();
    const QRect changed = life.difference(from, to);

    QVERIFY(!changed.isEmpty());
    QVERIFY(before.rect().contains(changed));
    // Only the glass changes: the rectangle is a small part of the picture.
    QVERIFY2(changed.width() * changed.height() * 4 < before.width() * before.height(),
             qPrintable(QStringLiteral("%1x%2").arg(changed.width()).arg(changed.height())));
    int outside = 0;
    int left = before.width(), right = -1, top = before.height(), bottom = -1;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                outside += !changed.contains(x, y);
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    QCOMPARE(outside, 0);
    // And no larger than it needs to be.
    QCOMPARE(changed, QRect(QPoint(left, top), QPoint(right, bottom)));
    QCOMPARE(life.difference(from, to), changed);
}

void TestStillLife::tickRepaintsOnlyWhereTheFramesDiffer_data() {
    addWindowRows();
}

void TestStillLife::tickRepaintsOnlyWhereTheFramesDiffer() {
    QFETCH(QString, form);
    QFETCH(QList<int>, frames);
    open(form);
    QLabel* image = picture(form);
    auto* log = new PaintLog(image);
    // The first tick turns the window's own picture into the first frame; the next ones go
    // round the chain twice.
    for (int tick = 0; tick < 9; ++tick) {
        const QImage before = image->pixmap().toImage();
        log->regions.clear();
        t->clock.advance(100);
        paintPending();
        const QImage after = image->pixmap().toImage();
        QCOMPARE(after, StillLife::frame(frames[tick % frames.size()]).toImage());

        const QRect changed = framedifference::changedRect(before, after);
        QCOMPARE(log->regions.size(), 1);
        QCOMPARE(log->regions.first(), QRegion(changed));
        // After the window's own picture, only the glass is repainted, not the picture.
        if (tick > 0)
            QVERIFY(changed.width() * changed.height() * 4 < image->width() * image->height());
    }
}

void TestStillLife::windowLooksRepaintedWholeAfterEveryTick_data() {
    addWindowRows();
}

void TestStillLife::windowLooksRepaintedWholeAfterEveryTick() {
    QFETCH(QString, form);
    QFETCH(QList<int>, frames);
    QWidget* window = open(form);
    QLabel* image = picture(form);
    const QRect area(image->mapTo(window, QPoint(0, 0)), image->size());
    QVERIFY(!onScreen(window).isNull());
    for (int tick = 0; tick < 9; ++tick) {
        t->clock.advance(100);
        paintPending();
        QCOMPARE(image->pixmap().toImage(),
                 StillLife::frame(frames[tick % frames.size()]).toImage());
        const QImage shown = onScreen(window);
        const QImage whole = paintedWhole(window);
        QCOMPARE(shown.copy(area), whole.copy(area));
        QCOMPARE(shown, whole);
    }
}

void TestStillLife::unseenWindowIsNotPaintedButFollowsTheChain_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("frames");
    QTest::addColumn<bool>("minimise");
    const QList<int> main{300, 301, 300, 302};
    const QList<int> about{200, 201, 200, 202};
    QTest::newRow("main minimised") << u"Form1"_qs << main << true;
    QTest::newRow("main hidden") << u"Form1"_qs << main << false;
    QTest::newRow("About minimised") << u"Form2"_qs << about << true;
}

void TestStillLife::unseenWindowIsNotPaintedButFollowsTheChain() {
    QFETCH(QString, form);
    QFETCH(QList<int>, frames);
    QFETCH(bool, minimise);
    QWidget* window = open(form);
    QLabel* image = picture(form);
    // Out of sight on the second frame, whose glass differs from the others the most widely,
    // so a picture left on screen from then would show beside any later change.
    for (int tick = 0; tick < 2; ++tick) {
        t->clock.advance(100);
        paintPending();
    }
    QCOMPARE(image->pixmap().toImage(), StillLife::frame(frames[1]).toImage());
    if (minimise)
        window->showMinimized();
    else
        window->hide();
    paintPending();

    auto* log = new PaintLog(image);
    for (int tick = 2; tick < 7; ++tick) {
        t->clock.advance(100);
        paintPending();
        QCOMPARE(image->pixmap().toImage(),
                 StillLife::frame(frames[tick % frames.size()]).toImage());
    }
    QCOMPARE(log->regions.size(), 0);

    window->showNormal();
    paintPending();
    t->clock.advance(100);
    paintPending();
    QCOMPARE(image->pixmap().toImage(), StillLife::frame(frames[7 % frames.size()]).toImage());
    QCOMPARE(onScreen(window), paintedWhole(window));
}

// Counts the events posted to a window and its widgets: each is one more wake-up of the event
// loop for an idle program.
class PostedEvents : public QObject {
public:
    explicit PostedEvents(QWidget* window)
        : m_window(window) {
        qApp->installEventFilter(this);
    }
    ~PostedEvents() override { qApp->removeEventFilter(this); }
    QList<QEvent::Type> seen;

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(target);
        if (widget && (widget == m_window || m_window->isAncestorOf(widget)) &&
            (event->type() == QEvent::LayoutRequest || event->type() == QEvent::UpdateRequest ||
             event->type() == QEvent::UpdateLater || event->type() == QEvent::MetaCall))
            seen.append(event->type());
        return false;
    }

private:
    QWidget* m_window;
};

void TestStillLife::tickWakesTheProgramOnlyOnce_data() {
    addWindowRows();
}

void TestStillLife::tickWakesTheProgramOnlyOnce() {
    QFETCH(QString, form);
    QWidget* window = open(form);
    const QSize size = picture(form)->size();
    // Past the main window's one-off half-second timer, which changes a text of its own.
    for (int tick = 0; tick < 6; ++tick) {
        t->clock.advance(100);
        paintPending();
    }
    for (int tick = 0; tick < 8; ++tick) {
        t->clock.advance(100);
        // The tick has run and painted; whatever it left in the queue wakes the loop again.
        PostedEvents posted(window);
        paintPending();
        QVERIFY2(posted.seen.isEmpty(),
                 qPrintable(u"tick %1: %2 posted event(s), the first %3"_qs.arg(tick)
                                .arg(posted.seen.size())
                                .arg(int(posted.seen.value(0)))));
    }
    // Fixing the size to stop the layout requests must not have moved or resized the picture.
    QCOMPARE(picture(form)->size(), size);
}

void TestStillLife::framesAreTheResourcesPictures() {
    // Frames come from the pixmap cache by number: each must still be its own file's picture,
    // also after the cache was emptied between two fetches.
    for (const int number : {200, 201, 202, 300, 301, 302}) {
        const QImage file(u":/bitmaps/%1.bmp"_qs.arg(number));
        QVERIFY(!file.isNull());
        const QImage expected = file.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(StillLife::frame(number).toImage().convertToFormat(QImage::Format_RGB32),
                 expected);
        QCOMPARE(StillLife::frame(number).toImage().convertToFormat(QImage::Format_RGB32),
                 expected);
        QPixmapCache::clear();
        QCOMPARE(StillLife::frame(number).toImage().convertToFormat(QImage::Format_RGB32),
                 expected);
    }
}

void TestStillLife::outlineSurvivesARepaintOfAnyPart_data() {
    QTest::addColumn<QRect>("repainted");
    // The outline lies round a 200 x 120 window.
    QTest::newRow("inside, off every edge") << QRect(1, 1, 198, 118);
    QTest::newRow("a small part inside") << QRect(50, 40, 30, 20);
    QTest::newRow("on the top edge") << QRect(50, 0, 30, 20);
    QTest::newRow("on the left edge") << QRect(0, 40, 30, 20);
    QTest::newRow("on the right edge") << QRect(180, 40, 20, 20);
    QTest::newRow("on the bottom edge") << QRect(50, 110, 30, 10);
    QTest::newRow("a corner") << QRect(190, 110, 10, 10);
    QTest::newRow("the whole window") << QRect(0, 0, 200, 120);
}

void TestStillLife::outlineSurvivesARepaintOfAnyPart() {
    QFETCH(QRect, repainted);
    QWidget window;
    window.setFixedSize(200, 120);
    window.setAutoFillBackground(true);
    auto* outline = new OutlineRect(&window);
    outline->setGeometry(window.rect());
    outline->setColor(Qt::red);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    paintPending();
    window.repaint(repainted);
    paintPending();
    const QImage shown = onScreen(&window);
    QCOMPARE(shown, paintedWhole(&window));
    for (const QPoint corner : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 119), QPoint(199, 119)})
        QCOMPARE(QColor(shown.pixel(corner)), QColor(Qt::red));
}

QTEST_MAIN(TestStillLife)
#include "tst_stilllife.moc"
