#include "uifont.h"

#include <QFontDatabase>
#include <QStringList>

namespace uifont {

namespace {
QString& installedFamily() {
    static QString name;
    return name;
}
} // namespace

void install() {
    if (!installedFamily().isEmpty())
        return;
    // Liberation Sans is metric-compatible with the classic Windows sans faces and covers
    // Cyrillic. Most desktops have it installed; otherwise the embedded copy is registered, so
    // every machine draws the windows the same way. Registering a font costs a fifth of the
    // start-up, so the installed one is preferred.
    const QString liberation = QStringLiteral("Liberation Sans");
    // families() lists what is installed; hasFamily() would also resolve aliases, which is slow.
    if (QFontDatabase::families().contains(liberation)) {
        installedFamily() = liberation;
        return;
    }
    const int regular =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    installedFamily() = families.isEmpty() ? QStringLiteral("Sans Serif") : families.first();
}

QString family() {
    install();
    return installedFamily();
}

QFont font(Size size, bool bold, bool underline) {
    QFont f(family());
    switch (size) {
    case Size::Small:
        f.setPixelSize(11);
        break;
    case Size::Medium:
        f.setPixelSize(13);
        break;
    case Size::Large:
        f.setPixelSize(16);
        break;
    case Size::Title:
        f.setPixelSize(18);
        break;
    }
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    // Every attribute counts as set, so none of the application's font (a desktop's slanted or
    // condensed face, its letter spacing) is mixed into a control's.
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

} // namespace uifont
