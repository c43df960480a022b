#pragma once

#include "settings/tcolor.h"

#include <QString>
#include <QList>
#include <QPair>
#include <QStringList>

#include <optional>
#include <stdexcept>

// Raised when an INI file cannot be written; the message is
// "Unable to write to " + path.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Raised when a colour value is neither a colour name nor an integer; the
// message is "'<text>' is not a valid integer value".
class IniConversionError : public std::runtime_error {
public:
    explicit IniConversionError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The keys of one section as read at one moment, in file order.
class IniSection {
public:
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The value of a key (letter case ignored), or nothing.
    std::optional<QString> value(const QString& key) const;
    // Read as the file's readers of the same names read a key: a value that
    // is no integer gives the default; ReadColor throws IniConversionError.
    QString ReadString(const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& key, int defaultValue) const;
    bool ReadBool(const QString& key, bool defaultValue) const;
    TColor ReadColor(const QString& key, TColor defaultValue) const;
    // Every key and value, in file order.
    const QList<QPair<QString, QString>>& entries() const { return m_entries; }

private:
    friend class IniFile;
    QList<QPair<QString, QString>> m_entries;
};

// Changes to several sections and keys of one file, made by one rewrite of it
// (IniFile::Apply), in the order they were added: the same bytes as making
// them one by one, all or none of them.
class IniBatch {
public:
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteColor(const QString& section, const QString& key, TColor value);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);
    bool isEmpty() const { return m_changes.isEmpty(); }

private:
    friend class IniFile;
    enum class Kind { Write, EraseSection, DeleteKey };
    struct Change {
        Kind kind;
        QString section, key, value;
    };
    QList<Change> m_changes;
};

// A store over one INI file in the private-profile format: section and key
// names match ignoring letter case; a value is the text after the first "="
// with blanks trimmed, at most 2047 characters when read back. Nothing is
// cached: every read parses the file, every write rewrites it at once
// (atomically), so two stores on one file always agree. Lines that are
// neither sections nor keys survive rewrites. Single reads and writes are
// safe to run from several threads at once.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& fileName() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // Throws IniConversionError when the stored text is no colour.
    TColor ReadColor(const QString& section, const QString& key, TColor defaultValue) const;

    // Writes throw IniWriteError when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteColor(const QString& section, const QString& key, TColor value);
    // Several keys of one section in one rewrite of the file: the same bytes
    // as writing them one by one, all or none of them.
    void WriteStrings(const QString& section, const QList<QPair<QString, QString>>& entries);

    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);
    // Every change of the batch in one rewrite, reading the file as it is
    // now. Throws IniWriteError; the file is then as it was.
    void Apply(const IniBatch& batch);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // Key names of a section, in file order.
    QStringList ReadSection(const QString& section) const;
    QStringList ReadSections() const;
    // A whole section in one read, for callers that want many of its keys.
    IniSection ReadSectionValues(const QString& section) const;

    static constexpr int MaxValueLength = 2047;

private:
    QString m_path;
};

// Integer conversion as the store reads it: optional sign and decimal digits,
// "0x"/"0X" or "$" for hexadecimal; anything else is no integer.
std::optional<int> parseIniInteger(const QString& text);
