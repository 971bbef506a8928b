#include "eveningstore.h"

#include "settings/atomicfile.h"
#include "settings/filelink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// More names than anyone keeps: past this the folder is not one to fill any further.
constexpr int FreeNameBound = 1000;

struct Current {
    enum class Kind { Missing, File, Other } kind = Kind::Missing;
    QByteArray bytes; // of a File, cut one byte past the size limit
};

Current readCurrent(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !isLink(info))
        return {};
    // A folder or a pipe is no evening, and opening a pipe would wait for a writer.
    if (!info.isFile() || isLink(info))
        return {Current::Kind::Other, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {file.exists() ? Current::Kind::Other : Current::Kind::Missing, {}};
    // One byte past the limit is enough to know the file is too large.
    Current current{Current::Kind::File, file.read(EveningFileSizeLimit + 1)};
    if (file.error() != QFileDevice::NoError)
        return {Current::Kind::Other, {}};
    return current;
}

bool renameWithoutReplacing(const QString& from, const QString& to) {
    // QFile refuses a taken name, where rename(2) would replace it, and MoveFileEx would fail.
    return QFile::rename(from, to);
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

EveningStore::EveningStore(QString path, Rename rename)
    : m_path(std::move(path))
    , m_rename(rename ? std::move(rename) : Rename(renameWithoutReplacing)) {}

QString EveningStore::freeName(const QString& path, const QString& suffix) {
    const QString base = path + suffix;
    for (int n = 1; n <= FreeNameBound; ++n) {
        const QString name = n == 1 ? base : base + u'.' + QString::number(n);
        const QFileInfo info(name);
        if (!info.exists() && !isLink(info))
            return name;
    }
    return {};
}

bool EveningStore::setAside(const QString& suffix, QString& name) {
    // Another program may take the free name first: then try the next one.
    for (int attempt = 0; attempt < 3; ++attempt) {
        name = freeName(m_path, suffix);
        if (name.isEmpty())
            return false;
        if (m_rename(m_path, name)) {
            m_known.reset();
            return true;
        }
        if (!QFileInfo::exists(name))
            return false;
    }
    return false;
}

EveningStore::Loaded EveningStore::load(const QDateTime& now) {
    m_known.reset();
    const Current current = readCurrent(m_path);
    if (current.kind == Current::Kind::Missing)
        return {};
    const QString unread = QStringLiteral("Сохранённый прогноз не прочитан");
    if (current.kind == Current::Kind::Other)
        return {Evening{}, unread};
    const EveningRead read = readEvening(current.bytes, now);
    if (!read.refusal) {
        m_known = current.bytes;
        return {read.evening, {}};
    }
    const QString why = QStringLiteral(" (") + refusalText(*read.refusal) + u')';
    QString name;
    if (!setAside(QStringLiteral(".bad"), name))
        return {Evening{}, unread + why +
                               QStringLiteral("; он останется, пока его не "
                                              "удастся отложить")};
    return {Evening{}, unread + why + QStringLiteral("; файл отложен как ") + fileName(name)};
}

std::optional<Evening> EveningStore::newer(const QDateTime& now) {
    const Current current = readCurrent(m_path);
    if (current.kind != Current::Kind::File || current.bytes == m_known)
        return std::nullopt;
    const EveningRead read = readEvening(current.bytes, now);
    if (read.refusal)
        return std::nullopt;
    m_known = current.bytes;
    return read.evening;
}

EveningStore::Saved EveningStore::save(const Evening& evening, const QDateTime& now) {
    const auto fail = [](const QString& problem) { return Saved{false, problem, {}}; };
    if (m_path.isEmpty())
        return fail(QStringLiteral("нет папки для файла"));
    if (const auto refusal = eveningProblem(evening, now))
        return fail(refusalText(*refusal));
    const QByteArray bytes = toJson(evening);
    if (bytes.size() > EveningFileSizeLimit)
        return fail(refusalText(EveningRefusal::TooLarge));

    const QFileInfo info(m_path);
    // The link, not its target, stops the write: the evening never lands somewhere else.
    if (isLink(info))
        return fail(fileName(m_path) + QStringLiteral(" — символическая ссылка"));
    if (info.isDir())
        return fail(QStringLiteral("на месте файла ") + fileName(m_path) +
                    QStringLiteral(" папка"));

    Saved saved{true, {}, {}};
    const Current current = readCurrent(m_path);
    if (current.kind != Current::Kind::Missing && current.bytes != m_known) {
        // Somebody else's evening, or a file that could not be read: kept, never overwritten.
        const bool evening =
            current.kind == Current::Kind::File && !readEvening(current.bytes, now).refusal;
        if (!setAside(evening ? QStringLiteral(".other") : QStringLiteral(".bad"), saved.setAside))
            return fail(QStringLiteral("не удалось отложить файл ") + fileName(m_path) +
                        QStringLiteral(", записанный другой программой"));
        saved.setAside = fileName(saved.setAside);
    }
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("не удалось создать папку ") +
                    QDir::toNativeSeparators(info.absolutePath()));
    if (!replaceFileAtomically(m_path, bytes))
        return fail(QStringLiteral("не удалось записать ") + fileName(m_path) +
                    QStringLiteral(" (нет места на диске или нет прав на запись)"));
    m_known = bytes;
    return saved;
}
