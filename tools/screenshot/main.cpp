// Renders each window of the program, in the states a reader should see, to PNG files.
// Usage: QT_QPA_PLATFORM=offscreen promille_screenshot <folder> [scene ...]
#include "scenes.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QStringList args = qapp.arguments().mid(1);
    QTextStream out(stdout);
    if (args.isEmpty()) {
        out << "usage: promille_screenshot <folder> [scene ...]\nscenes:";
        for (const Scene& s : scenes())
            out << ' ' << s.name;
        out << '\n';
        return 2;
    }
    const QDir folder(args.takeFirst());
    QDir().mkpath(folder.path());
    // Scenes that save a file (the forecast's report) put it beside the pictures.
    qapp.setProperty("outputFolder", folder.absolutePath());
    int failures = 0;
    // A scene may set the desktop's colours or type; the next starts from the usual ones.
    const QPalette usual = QApplication::palette();
    const QFont usualFont = QApplication::font();
    for (const Scene& s : scenes()) {
        QApplication::setPalette(usual);
        QApplication::setFont(usualFont);
        if (!args.isEmpty() && !args.contains(s.name))
            continue;
        TestApplication t;
        t.app().start();
        QWidget* shown = s.prepare(t);
        // Layouts inside scroll areas settle over a few passes of the event loop, as they do on
        // the screen before the first frame.
        for (int pass = 0; pass < 5; ++pass)
            QApplication::processEvents();
        const QString file = folder.filePath(s.name + QStringLiteral(".png"));
        if (!shown || !shown->grab().save(file)) {
            out << "failed: " << s.name << '\n';
            ++failures;
            continue;
        }
        out << file << '\n';
    }
    return failures == 0 ? 0 : 1;
}
