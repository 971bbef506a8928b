#pragma once

#include <QString>

// The credits of the About window, kept in one place.
namespace aboutinfo {
inline QString clinicName() {
    return QStringLiteral("«Трезвый взгляд»");
}
inline QString clinicAddress() {
    return QStringLiteral("www.example.org");
}
inline QString authorName() {
    return QStringLiteral("Разработчики Promille");
}
inline QString authorMail() {
    return QStringLiteral("info@example.com");
}
inline QString authorAddress() {
    return QStringLiteral("www.example.net");
}
} // namespace aboutinfo
