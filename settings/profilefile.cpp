#include "profilefile.h"

#include "atomicfile.h"
#include "cp1251.h"
#include "filelink.h"
#include "profiledocument.h"
#include "profilefault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString stripped(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// The name as the file holds it. Names that the file's syntax cannot carry are refused rather
// than written into a file that would then read differently.
std::optional<ProfileFault> prepareName(const QString& given, bool isSection, QString& name) {
    name = stripped(Cp1251::decode(Cp1251::encode(given)));
    if (name.isEmpty())
        return ProfileFault::EmptyName;
    if (name.contains(u'\r') || name.contains(u'\n'))
        return ProfileFault::InvalidName;
    if (isSection ? name.contains(u']')
                  : name.contains(u'=') || name.startsWith(u';') || name.startsWith(u'['))
        return ProfileFault::InvalidName;
    return std::nullopt;
}

std::optional<ProfileFault> prepareNames(const QString& section, const QString& key,
                                         const QString& filePath, QString& sectionName,
                                         QString& keyName) {
    if (filePath.isEmpty())
        return ProfileFault::EmptyPath;
    if (const auto fault = prepareName(section, true, sectionName))
        return fault;
    return prepareName(key, false, keyName);
}

// Reads the file if it exists; `found` tells a missing file from an empty one.
std::optional<ProfileFault> readExisting(const QFileInfo& info, QByteArray& bytes, bool& found) {
    found = false;
    if (!info.exists())
        return std::nullopt;
    if (info.isDir())
        return ProfileFault::PathIsFolder;
    if (!info.isFile())
        return ProfileFault::NotRegularFile;
    if (info.size() > ProfileFileSizeLimit)
        return ProfileFault::FileTooLarge;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        // Removed by someone else since it was looked at: as good as missing.
        if (!file.exists())
            return std::nullopt;
        return ProfileFault::ReadFailed;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ProfileFault::ReadFailed;
    // Grown since it was looked at.
    if (bytes.size() > ProfileFileSizeLimit)
        return ProfileFault::FileTooLarge;
    found = true;
    return std::nullopt;
}

QByteArray storedValue(const QString& value) {
    QByteArray bytes = Cp1251::encode(value);
    bytes.replace(QByteArrayView("\r\n"), QByteArrayView(" "));
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

} // namespace

QString GetValueString(const QString& section, const QString& key, const QString& filePath,
                       const SettingsReporter& report) {
    const auto fail = [&report](ProfileFault fault) {
        if (report)
            report(QStringLiteral("GetValueString"), profileFaultMessage(fault));
        return QString();
    };

    QString sectionName;
    QString keyName;
    if (const auto fault = prepareNames(section, key, filePath, sectionName, keyName))
        return fail(*fault);

    QByteArray bytes;
    bool found = false;
    if (const auto fault = readExisting(QFileInfo(filePath), bytes, found))
        return fail(*fault);
    if (!found)
        return QString();
    return ProfileDocument(bytes)
        .value(sectionName, keyName)
        .value_or(QString())
        .left(ProfileValueLengthLimit);
}

bool SetValue(const QString& section, const QString& key, const QString& value,
              const QString& filePath, const SettingsReporter& report,
              const WriteFault& writeFault) {
    const auto fail = [&report](ProfileFault fault) {
        if (report)
            report(QStringLiteral("SetValue"), profileFaultMessage(fault));
        return false;
    };

    QString sectionName;
    QString keyName;
    if (const auto fault = prepareNames(section, key, filePath, sectionName, keyName))
        return fail(*fault);

    const QFileInfo info(filePath);
    // Checked before reading: the link may point at a folder or a pipe, and it is the link, not
    // its target, that stops the write.
    if (isLink(info))
        return fail(ProfileFault::PathIsLink);
    QByteArray old;
    bool found = false;
    if (const auto fault = readExisting(info, old, found))
        return fail(*fault);

    const QByteArray bytes =
        ProfileDocument(old).withValue(sectionName, keyName, storedValue(value));
    if (bytes.size() > ProfileFileSizeLimit)
        return fail(ProfileFault::FileTooLarge);

    // A refused write is reported too: the caller would otherwise take the value as kept.
    if (!QDir().mkpath(info.absolutePath()))
        return fail(ProfileFault::FolderNotCreated);
    if (!replaceFileAtomically(filePath, bytes, writeFault))
        return fail(ProfileFault::WriteFailed);
    return true;
}
