// Draws the program's pictures into assets/. Deterministic: the same Qt build and fonts give
// the same files. Usage: promille_assetgen <assets folder> [family ...]
// Without families, every family runs but "ready", which stores the finished GIF and PNG
// pictures ready to show and so runs, named, after they are written.
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
        if (args.isEmpty() ? !g->runsUnnamed() : !args.contains(g->name()))
            continue;
        if (!g->run(assets)) {
            err << "failed: " << g->name() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
