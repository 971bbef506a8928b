// Draws the program's pictures into assets/. Deterministic: the same Qt build and fonts give
// the same files. Usage: promille_assetgen <assets folder> [family ...]
#include "generator.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << "usage: promille_assetgen <assets folder> [family ...]\nfamilies:";
        for (const Generator* g : Generator::all())
            err << ' ' << g->name();
        err << '\n';
        return 2;
    }
    const QDir assets(args.takeFirst());
    int failures = 0;
    for (const Generator* g : Generator::all()) {
        if (!args.isEmpty() && !args.contains(g->name()))
            continue;
        if (!g->run(assets)) {
            err << "failed: " << g->name() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
