#include "profiledocument.h"

#include "cp1251.h"

#include <QStringView>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringView stripped(QStringView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

} // namespace

ProfileDocument::ProfileDocument(const QByteArray& bytes)
    : m_bytes(bytes)
    , m_text(Cp1251::decode(bytes)) {
    qsizetype start = 0;
    while (start < m_text.size()) {
        m_lines.append(readLine(start));
        start = m_lines.constLast().end;
    }
}

ProfileDocument::Line ProfileDocument::readLine(qsizetype start) const {
    const qsizetype size = m_text.size();
    Line line;
    line.start = start;
    qsizetype i = start;
    while (i < size && !isLineBreak(m_text[i]))
        ++i;
    line.contentEnd = i;
    if (i < size)
        i += (m_text[i] == u'\r' && i + 1 < size && m_text[i + 1] == u'\n') ? 2 : 1;
    line.end = i;

    qsizetype first = start;
    while (first < line.contentEnd && isBlank(m_text[first]))
        ++first;
    const QStringView rest = QStringView(m_text).sliced(first, line.contentEnd - first);
    if (rest.isEmpty() || rest.front() == u';')
        return line;
    if (rest.front() == u'[') {
        const qsizetype close = rest.indexOf(u']');
        if (close > 0) {
            line.kind = Kind::Header;
            line.name = stripped(rest.sliced(1, close - 1)).toString();
            return line;
        }
    }
    const qsizetype equals = rest.indexOf(u'=');
    if (equals < 0)
        return line;
    line.kind = Kind::Entry;
    line.name = stripped(rest.first(equals)).toString();
    line.valueStart = first + equals + 1;
    return line;
}

qsizetype ProfileDocument::findSection(const QString& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Header && sameName(m_lines[i].name, section))
            return i;
    }
    return -1;
}

qsizetype ProfileDocument::sectionEnd(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Header)
        ++i;
    return i;
}

qsizetype ProfileDocument::findKey(qsizetype header, const QString& key) const {
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Entry && sameName(m_lines[i].name, key))
            return i;
    }
    return -1;
}

QByteArray ProfileDocument::lineEnd() const {
    for (const Line& line : m_lines) {
        if (line.end > line.contentEnd)
            return m_bytes.sliced(line.contentEnd, line.end - line.contentEnd);
    }
    return QByteArrayLiteral("\r\n");
}

std::optional<QString> ProfileDocument::value(const QString& section, const QString& key) const {
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype entry = findKey(header, key);
    if (entry < 0)
        return std::nullopt;
    const Line& line = m_lines[entry];
    QStringView text =
        stripped(QStringView(m_text).sliced(line.valueStart, line.contentEnd - line.valueStart));
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front())
        text = text.sliced(1, text.size() - 2);
    return text.toString();
}

QByteArray ProfileDocument::withValue(const QString& section, const QString& key,
                                      const QByteArray& value) const {
    const QByteArray eol = lineEnd();
    const QByteArray entry = Cp1251::encode(key) + '=' + value;

    const qsizetype header = findSection(section);
    if (header < 0) {
        QByteArray bytes = m_bytes;
        if (!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n'))
            bytes += eol;
        return bytes + '[' + Cp1251::encode(section) + ']' + eol + entry + eol;
    }

    const qsizetype existing = findKey(header, key);
    if (existing >= 0) {
        // Everything up to the '=' stays, blanks after it go with the old value: keeping them
        // would let a value that begins with a blank grow by one on every write.
        const Line& line = m_lines[existing];
        return m_bytes.first(line.valueStart) + value + m_bytes.sliced(line.contentEnd);
    }

    qsizetype last = header;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Entry)
            last = i;
    }
    const Line& line = m_lines[last];
    if (line.end > line.contentEnd)
        return m_bytes.first(line.end) + entry + eol + m_bytes.sliced(line.end);
    // The last line of the file without a line end.
    return m_bytes + eol + entry + eol;
}
