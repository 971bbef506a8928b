// Treats arbitrary bytes as a settings file and checks what the settings routines promise: no
// fault is reported for a readable file, a stored value reads back as written (after the
// documented normalisation), the write changes no byte outside the entry's own line, writing the
// same value again changes nothing, and other entries read as before.
#include "settings/cp1251.h"
#include "settings/profilefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Every write is synced to disk; in memory that costs nothing, which keeps runs fast.
QString tempFolder() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

const QString& filePath() {
    static QTemporaryDir dir(tempFolder() + QStringLiteral("/fuzz-profile-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("vux.ini"));
    if (!dir.isValid())
        std::abort();
    return path;
}

void noReport(const QString&, const QString&) {
    std::abort();
}

QByteArray readAll() {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool hasLineBreak(QByteArrayView bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

// What a stored value reads back as: through the code page, line breaks as spaces, outer blanks
// and one pair of outer quotes removed, cut to the read limit.
QString readBackOf(const QString& value) {
    QString text = Cp1251::decode(Cp1251::encode(value));
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    while (!text.isEmpty() && isBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front())
        text = text.sliced(1, text.size() - 2);
    return text.left(ProfileValueLengthLimit);
}

// One or two letters from a small alphabet with both cases, so that names of the input meet
// names in the file often, in either case.
QString nameFrom(std::uint8_t byte) {
    static const QString letters = QStringLiteral("pPвВ");
    QString name(letters[byte & 3]);
    if (byte & 4)
        name += letters[(byte >> 3) & 3];
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Keeps file and value well within the size limit.
    if (size > 64 * 1024)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(input) != input.size())
            std::abort();
    }

    QList<QPair<QString, QString>> pairs{{QStringLiteral("Вес"), QStringLiteral("p")}};
    for (std::size_t i = 0; i + 1 < size && i < 6; i += 2)
        pairs.append({nameFrom(data[i]), nameFrom(data[i + 1])});
    QList<QString> before;
    for (const auto& [section, key] : pairs) {
        before.append(GetValueString(section, key, filePath(), noReport));
        if (before.constLast().size() > ProfileValueLengthLimit)
            std::abort();
    }

    const auto& [section, key] = pairs.constLast();
    const QString value = QString::fromUtf8(input.sliced(size / 2)).left(400);
    if (!SetValue(section, key, value, filePath(), noReport))
        std::abort();
    const QByteArray written = readAll();
    if (GetValueString(section, key, filePath(), noReport) != readBackOf(value))
        std::abort();

    // Outside the smallest changed stretch the bytes are the old ones; what was removed lies
    // inside one line, and a replaced value adds no line.
    qsizetype prefix = 0;
    const qsizetype shorter = qMin(input.size(), written.size());
    while (prefix < shorter && input[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           input[input.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    const QByteArrayView removed =
        QByteArrayView(input).sliced(prefix, input.size() - prefix - suffix);
    const QByteArrayView added =
        QByteArrayView(written).sliced(prefix, written.size() - prefix - suffix);
    if (hasLineBreak(removed) || (!removed.isEmpty() && hasLineBreak(added)))
        std::abort();

    if (!SetValue(section, key, value, filePath(), noReport) || readAll() != written)
        std::abort();

    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (pairs[i].first.compare(section, Qt::CaseInsensitive) == 0 &&
            pairs[i].second.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        if (GetValueString(pairs[i].first, pairs[i].second, filePath(), noReport) != before[i])
            std::abort();
    }
    return 0;
}
