#include "profilefault.h"

int profileFaultCode(ProfileFault fault) {
    return static_cast<int>(fault);
}

QString profileFaultDescription(ProfileFault fault) {
    switch (fault) {
    case ProfileFault::EmptyPath:
        return QStringLiteral("Не указан путь к файлу настроек");
    case ProfileFault::PathIsFolder:
        return QStringLiteral("Путь к файлу настроек указывает на папку");
    case ProfileFault::NotRegularFile:
        return QStringLiteral("Путь к файлу настроек указывает не на обычный файл");
    case ProfileFault::ReadFailed:
        return QStringLiteral("Файл настроек не удается прочитать");
    case ProfileFault::FileTooLarge:
        return QStringLiteral("Файл настроек слишком большой (больше 1 МБ)");
    case ProfileFault::EmptyName:
        return QStringLiteral("Пустое имя раздела или ключа");
    case ProfileFault::InvalidName:
        return QStringLiteral("Недопустимые знаки в имени раздела или ключа");
    case ProfileFault::PathIsLink:
        return QStringLiteral("Файл настроек является символической ссылкой");
    case ProfileFault::FolderNotCreated:
        return QStringLiteral("Не удается создать папку для файла настроек");
    case ProfileFault::WriteFailed:
        return QStringLiteral("Не удается записать файл настроек");
    }
    return QStringLiteral("Неизвестная ошибка");
}

QString profileFaultMessage(ProfileFault fault) {
    return QStringLiteral("Ошибка: <") + QString::number(profileFaultCode(fault)) +
           QStringLiteral("> - ") + profileFaultDescription(fault);
}
