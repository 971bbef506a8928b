#include "desktopshell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

QUrl DesktopShell::urlFor(const QString& target) {
    const QString mailto = QStringLiteral("mailto:");
    if (target.startsWith(mailto, Qt::CaseInsensitive)) {
        const QString rest = target.mid(mailto.size());
        const qsizetype question = rest.indexOf(u'?');
        QUrl url;
        url.setScheme(QStringLiteral("mailto"));
        url.setPath(question < 0 ? rest : rest.left(question));
        if (question >= 0) {
            QUrlQuery query;
            const QStringList pairs = rest.mid(question + 1).split(u'&');
            for (const QString& pair : pairs) {
                const qsizetype eq = pair.indexOf(u'=');
                query.addQueryItem(eq < 0 ? pair : pair.left(eq),
                                   eq < 0 ? QString() : pair.mid(eq + 1));
            }
            url.setQuery(query);
        }
        return url;
    }
    if (QDir::isAbsolutePath(target))
        return QUrl::fromLocalFile(target);
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() ? url : QUrl();
}

void DesktopShell::openWithShell(Owner, const QString&, const QString& target, const QString&,
                                 const QString&, int) {
    const QUrl url = urlFor(target);
    if (url.isEmpty())
        return;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    QDesktopServices::openUrl(url);
}
