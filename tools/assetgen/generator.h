#pragma once

#include <QDir>
#include <QString>

#include <functional>
#include <vector>

// One family of pictures (chrome, still lifes, ...). Each family lives in its own source file
// and registers itself with a static Generator object, so adding a family touches no other file.
class Generator {
public:
    using Draw = std::function<bool(const QDir& assets)>;
    // A family that works from pictures the others leave runs only when named.
    enum class Run { Always, WhenNamed };

    Generator(const char* name, Draw draw, Run run = Run::Always);

    static const std::vector<Generator*>& all();

    QString name() const { return QString::fromLatin1(m_name); }
    bool runsUnnamed() const { return m_runs == Run::Always; }
    bool run(const QDir& assets) const { return m_draw(assets); }

private:
    const char* m_name;
    Draw m_draw;
    Run m_runs;
};
