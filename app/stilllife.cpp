#include "stilllife.h"

#include "framedifference.h"
#include "timer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QWindow>

namespace {

// Sets a label's pixmap without the repaint of its whole contents that QLabel asks for.
// setUpdatesEnabled(true) would itself update() the whole widget; clearing the attribute it
// toggles, and that update() consults, lifts the block without that repaint. The label has no
// child widgets, so there is nothing else setUpdatesEnabled would pass the state on to.
void setPixmapUnpainted(QLabel* label, const QPixmap& pixmap) {
    if (!label->updatesEnabled()) {
        label->setPixmap(pixmap);
        return;
    }
    label->setAttribute(Qt::WA_UpdatesDisabled, true);
    label->setPixmap(pixmap);
    label->setAttribute(Qt::WA_UpdatesDisabled, false);
}

} // namespace

StillLife::StillLife(QLabel* image, Clock& clock, const QList<int>& frames, int firstTimer,
                     QObject* window)
    : QObject(window)
    , m_image(image) {
    // A new pixmap on a label whose size may change asks its parent to lay out again, through
    // an event posted for every frame: a second wake-up of the event loop per tick. The frames
    // fill the place the window gives the label, so its size is fixed there.
    m_image->setFixedSize(m_image->size());
    for (qsizetype i = 0; i < frames.size(); ++i)
        m_timers.append(
            new Timer(clock, QStringLiteral("Timer%1").arg(firstTimer + i), 100, window));
    for (qsizetype i = 0; i < frames.size(); ++i) {
        Timer* self = m_timers[i];
        Timer* next = m_timers[(i + 1) % frames.size()];
        const int number = frames[i];
        self->onTick([this, self, next, number] {
            show(number);
            self->setEnabled(false);
            next->setEnabled(true);
        });
    }
}

void StillLife::start() {
    for (qsizetype i = 0; i < m_timers.size(); ++i)
        m_timers[i]->setEnabled(i == 0);
}

QPixmap StillLife::frame(int number) {
    // Loading by file name looks up Qt's pixmap cache under the file's name and modification
    // time, and reading that time converts it to local time, which checks the system's time
    // zone file on disk, twice per frame. The resources never change while the program runs,
    // so the cache is asked by the frame's number; only a miss reads the resource.
    const QString key = QStringLiteral("promille-frame-%1").arg(number);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap.load(QStringLiteral(":/bitmaps/%1.bmp").arg(number));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QRect StillLife::difference(int from, int to) {
    return difference(from, frame(from), to, frame(to));
}

QRect StillLife::difference(int from, const QPixmap& before, int to, const QPixmap& after) {
    const QPair<int, int> pair(from, to);
    const auto known = m_differences.constFind(pair);
    if (known != m_differences.cend())
        return *known;
    const QRect changed = framedifference::changedRect(before.toImage(), after.toImage());
    m_differences.insert(pair, changed);
    return changed;
}

void StillLife::show(int number) {
    const QPixmap before = m_image->pixmap();
    const QPixmap after = frame(number);
    const int previous = m_shown != NoFrame && before.cacheKey() == m_shownKey ? m_shown : NoFrame;
    setPixmapUnpainted(m_image, after);
    m_shown = number;
    m_shownKey = m_image->pixmap().cacheKey();

    if (!canBeSeen()) {
        // Showing the window again repaints it; the first tick seen repaints all the same, for
        // platforms that keep the old picture of a minimised window.
        m_outOfDate = true;
        return;
    }
    QRect changed;
    if (m_outOfDate)
        changed = m_image->contentsRect();
    else if (previous != NoFrame)
        changed = onLabel(difference(previous, before, number, after), after);
    else // not one of the frames, such as the picture the window starts with
        changed = onLabel(framedifference::changedRect(before.toImage(), after.toImage()), after);
    m_outOfDate = false;
    // Painted now, within the tick: an update() would post a second wake-up of the event loop
    // for every frame, which costs an idle program more than the painting itself.
    if (!changed.isEmpty())
        m_image->repaint(changed);
}

QRect StillLife::onLabel(const QRect& changed, const QPixmap& pixmap) const {
    if (changed.isEmpty())
        return {};
    const int margin = m_image->margin();
    const QRect contents = m_image->contentsRect().adjusted(margin, margin, -margin, -margin);
    if (m_image->hasScaledContents())
        return contents;
    // Placed as QLabel places it: aligned in the contents, at its size in logical pixels.
    const qreal ratio = pixmap.devicePixelRatio();
    const Qt::Alignment alignment =
        QStyle::visualAlignment(m_image->layoutDirection(), m_image->alignment());
    const QRect placed = QStyle::alignedRect(QGuiApplication::layoutDirection(), alignment,
                                             (QSizeF(pixmap.size()) / ratio).toSize(), contents);
    QRectF area(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio);
    area.translate(placed.topLeft());
    // A frame drawn at another pixel ratio is scaled smoothly, which blends each pixel into
    // its neighbours.
    if (!qFuzzyCompare(m_image->devicePixelRatioF(), ratio))
        area.adjust(-1, -1, 1, 1);
    return area.toAlignedRect() & contents;
}

bool StillLife::canBeSeen() const {
    if (!m_image->isVisible())
        return false;
    const QWidget* window = m_image->window();
    if (window->isMinimized())
        return false;
    const QWindow* handle = window->windowHandle();
    return handle && handle->isExposed();
}
