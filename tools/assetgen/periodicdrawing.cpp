#include "periodicdrawing.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QColor outlineInk(40, 28, 20);

// A fresh stream per message: it is flushed when the statement ends, before any later output.
QTextStream err() {
    return QTextStream(stderr);
}

} // namespace

namespace periodicdrawing {

const QString& serifFamily() {
    static const QString family = u"DejaVu Serif"_s;
    return family;
}

const QString& sansFamily() {
    static const QString family = u"DejaVu Sans Condensed"_s;
    return family;
}

bool fontsPresent() {
    const struct {
        const QString& family;
        QStringList styles;
    } needed[] = {
        {serifFamily(), {u"Bold"_s, u"Bold Italic"_s}},
        {sansFamily(), {u"Book"_s, u"Bold"_s}},
    };
    bool ok = true;
    for (const auto& n : needed) {
        if (!QFontDatabase::hasFamily(n.family)) {
            err() << "periodictable: font family \"" << n.family << "\" is not installed\n";
            ok = false;
            continue;
        }
        const QStringList styles = QFontDatabase::styles(n.family);
        for (const QString& style : n.styles) {
            if (!styles.contains(style)) {
                err() << "periodictable: font \"" << n.family << ' ' << style
                      << "\" is not installed\n";
                ok = false;
            }
        }
    }
    return ok;
}

QFont font(const QString& family, int pixels, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont fitted(QFont f, const QString& text, int width) {
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

QColor symbolColour(const QString& symbol) {
    const QColor red(228, 30, 30);
    const QColor yellow(255, 214, 0);
    const QColor cyan(0, 204, 230);
    const QColor magenta(222, 30, 190);
    const QColor green(30, 176, 40);
    const QColor orange(255, 136, 0);
    // Spirits red, brandies orange, wines magenta, liqueurs and mixes green, weak drinks
    // yellow, whatever is not meant to be drunk cyan; snacks and remedies as they look.
    const struct {
        QColor colour;
        const char16_t* symbols;
    } groups[] = {
        {red, u" V W Go Z P Sn Pr S Ts Dn Cu Ra Ch Ga Ik Kt Pm Ry Ti "},
        {orange, u" B K Ka Rm Te At Pi Cl Md Sc D Pn Bz Gb Hb Kv Ks Bl Cf "},
        {magenta, u" Sh Pt Bu Kn Mn Ve Kb Mu Bm Tc Bd Ca Al Mr He Pl Rk Ug Sp "},
        {green, u" Li Na Gr Pu Kr Cm Er Tb Ov Zl Og Kp Rs Ta Ok "},
        {yellow, u" El Si Br Bt Kl Fu H Sl Ol Sr Lm Ar Hs "},
        {cyan, u" Du O L U Hl Sd Kf As Mv Dh "},
    };
    const QString key = u' ' + symbol + u' ';
    for (const auto& g : groups) {
        if (QStringView(g.symbols).contains(key))
            return g.colour;
    }
    return {};
}

void drawBorder(QPainter& p, const QRect& box, const QColor& colour) {
    p.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    p.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
    p.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
}

void drawOutlined(QPainter& p, const QPointF& baseline, const QFont& f, const QString& text,
                  const QColor& fill, qreal outline) {
    QPainterPath path;
    path.addText(baseline, f, text);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.strokePath(path, QPen(outlineInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawText(QPainter& p, const QRect& box, int flags, const QFont& f, const QString& text,
              const QColor& colour) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void drawCell(QPainter& p, const QRect& box, const CellStyle& style, const QString& symbol,
              const QString& upper, const QString& lower, const QString& name) {
    const QColor colour = symbolColour(symbol);
    p.fillRect(box.adjusted(1, 1, -1, -1), cellFill);
    drawBorder(p, box, inkBlue);

    const QRect inner = box.adjusted(1 + style.padding, 1 + style.padding / 2, -1 - style.padding,
                                     -1 - style.padding / 2);
    // In a narrow cell the symbol gives way first, by up to a sixth, so the numbers stay
    // legible; only then do the numbers shrink.
    QFont numbers = font(sansFamily(), style.smallPixels, false);
    const QFontMetrics nm(numbers);
    const int numbersNeed = std::max(nm.horizontalAdvance(upper), nm.horizontalAdvance(lower));
    QFont symbolFont = font(serifFamily(), style.symbolPixels, true);
    while (symbolFont.pixelSize() > style.symbolPixels * 5 / 6 &&
           QFontMetrics(symbolFont).horizontalAdvance(symbol) + style.padding + numbersNeed >
               inner.width())
        symbolFont.setPixelSize(symbolFont.pixelSize() - 1);
    const QFontMetrics sm(symbolFont);
    const int symbolWidth = sm.horizontalAdvance(symbol);
    drawOutlined(p, QPointF(inner.left(), inner.top() + sm.capHeight() + 2), symbolFont, symbol,
                 colour, style.outline);

    const int numbersLeft = inner.left() + symbolWidth + style.padding;
    const int numbersWidth = inner.right() + 1 - numbersLeft;
    numbers = fitted(fitted(numbers, upper, numbersWidth), lower, numbersWidth);
    const int line = QFontMetrics(numbers).height();
    const QRect upperBox(numbersLeft, inner.top(), numbersWidth, line);
    drawText(p, upperBox, Qt::AlignRight | Qt::AlignTop, numbers, upper, inkBlue);
    drawText(p, upperBox.translated(0, line), Qt::AlignRight | Qt::AlignTop, numbers, lower,
             inkBlue);

    const QFont nameFont = fitted(font(sansFamily(), style.smallPixels, false), name,
                                  box.width() - 2 - 2 * style.padding / 2);
    const QRect nameBox(box.left() + 1, inner.top(), box.width() - 2,
                        inner.bottom() + 1 - inner.top());
    drawText(p, nameBox, Qt::AlignHCenter | Qt::AlignBottom, nameFont, name, Qt::black);
}
} // namespace periodicdrawing
