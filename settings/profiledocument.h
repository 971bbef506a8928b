#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The bytes of a profile file, read line by line the way Windows' profile routines read them, and
// edited so that every byte outside the changed entry stays as it was.
//
// Lines end with CR LF, LF or CR. A line whose first non-blank character is '[' and which holds a
// ']' is a section header; its name is the text between them without surrounding blanks, and text
// after the ']' is ignored. A line whose first non-blank character is ';' is a comment. Any other
// line with an '=' is an entry: the key is the text before the first '=', the value the text
// after it, both without surrounding blanks (spaces and tabs). Other lines are no entries.
// Entries before the first header belong to no section.
//
// Names are compared without regard to case on the decoded text; the first matching section and
// the first matching key in it are the ones read and written.
class ProfileDocument {
public:
    explicit ProfileDocument(const QByteArray& bytes);

    // The value of `key` in `section`, with one outer pair of matching quotes (' or ") removed;
    // nullopt when the section or the key is missing. Not cut to any length.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // The file bytes with `value` (already in the code page, without line breaks) stored under
    // `key` in `section`. An existing entry keeps its line up to and including the '=' and gets
    // the new value after it; a new key goes right after the section's last entry; a new section
    // is appended at the end of the file. Added lines end like the file's first line (CR LF for a
    // file without line ends).
    QByteArray withValue(const QString& section, const QString& key, const QByteArray& value) const;

private:
    enum class Kind { Other, Header, Entry };
    struct Line {
        qsizetype start = 0;
        qsizetype contentEnd = 0; // where the line end begins
        qsizetype end = 0;        // after the line end
        Kind kind = Kind::Other;
        QString name;             // section name or key
        qsizetype valueStart = 0; // entries: right after the '='
    };

    Line readLine(qsizetype start) const;
    qsizetype findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, const QString& key) const;
    QByteArray lineEnd() const;

    QByteArray m_bytes;
    // One character per byte, so positions in the text are positions in the bytes.
    QString m_text;
    QList<Line> m_lines;
};
