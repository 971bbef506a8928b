#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the single-byte code page in which the settings file is stored. The mapping is a
// fixed table, so the file's bytes never depend on the system's locale or conversion libraries.
//
// encode: ASCII passes through, every character of the code page becomes its byte, anything else
// becomes '?' (one '?' per character, also for characters outside the Basic Multilingual Plane).
// decode: total and one character per byte. The one byte the code page leaves unassigned, 0x98,
// decodes to U+0098 (as Windows' own conversion does) and U+0098 encodes back to 0x98, so every
// byte string survives decode followed by encode unchanged.
class Cp1251 {
public:
    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);
};
