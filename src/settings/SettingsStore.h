#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

#ifdef Q_OS_WIN
#include <memory>
class QSettings;
#endif

// The per-user store of text values by section and key for the application "Vantaro". A key is either
// absent or holds a text, possibly empty. Writes collect in memory until commit(), which replaces the
// whole store at once, so a crash or a full disk during a save leaves the previous file as it was.
//
// On Windows the default store is the current user's registry area (through QSettings). Everywhere else,
// and wherever a file name is given, it is a UTF-8 text file of this form:
//
//     [Section]
//     Key=Value
//
// Blank lines and lines starting with ';' or '#' are comments; blanks around names and values are
// ignored, and a later line for the same key wins. Names and values escape what the form cannot hold
// verbatim: "\\" a backslash, "\n" a line feed, "\r" a carriage return, "\t" a tab, "\s" a space (written
// for blanks at either end), "\xHH" any other control character, and "\" before any other character
// stands for that character (names escape '=', '[', ']', ';' and '#' this way). Non-ASCII text is
// written as it is. A line of any other kind, or that is not UTF-8, is skipped and reported by
// skippedLines() (so are the key lines under a [section] line that was skipped); the file is then kept
// beside itself before the next commit replaces it. A file that cannot be read at all (not an ordinary
// file, no permission, larger than 16 MB where settings take a few kilobytes, or on a drive that does not
// answer within a few seconds) is reported by readError() and never overwritten.
class SettingsStore
{
public:
    // The per-user store: ~/.config/Vantaro/Vantaro.ini (following XDG_CONFIG_HOME) or the registry.
    SettingsStore();
    // The store kept in the given file; the file need not exist yet.
    explicit SettingsStore(const QString &fileName);
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The stored text, or defaultText when the key is absent. A stored empty text stays empty.
    QString GetSetting(const QString &section, const QString &key, const QString &defaultText) const;
    // Stores the text in memory until commit(); false (see errorString()) when the store refuses writes.
    bool SaveSetting(const QString &section, const QString &key, const QString &text);
    // The stored text, or nothing when the key is absent.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Makes every value written so far durable, atomically. False (see errorString()) on failure, when
    // the previous store is left untouched.
    bool commit();

    QString fileName() const;
    // Why the existing file could not be read; empty when it was read or did not exist.
    QString readError() const { return m_readError; }

    // A line of the file that was skipped, with its text (as far as it could be decoded).
    struct SkippedLine
    {
        qint64 number = 0;
        QString text;
        QString problem;
    };
    // The first skipped lines, and how many were skipped in all.
    const QList<SkippedLine> &skippedLines() const { return m_skippedLines; }
    qint64 skippedLineCount() const { return m_skippedLineCount; }

    // Where the file as it was read is kept when a commit replaces it after problems at load: the file
    // name with ".bak-" and the date and time of the load.
    QString backupFileName() const { return m_backupFileName; }
    // Asks that the next commit first copies the file to backupFileName(). The store asks it itself when
    // it skipped lines; LoadSettings when a value did not convert. It concerns the file on disk, not
    // the values held, hence const.
    void keepPreviousFileOnCommit() const { m_keepPreviousFile = true; }
    bool keepsPreviousFileOnCommit() const { return m_keepPreviousFile; }
    // Why the last SaveSetting or commit failed.
    QString errorString() const { return m_errorString; }

private:
    void readFile();
    void readLines(const QByteArray &contents);
    QString takeLine(QStringView line, std::optional<QString> &section, bool &sectionSkipped);
    void skipLine(qint64 number, const QString &text, const QString &problem);
    bool keepPreviousFile();
    QByteArray fileContents() const;
    bool fail(const QString &reason);

    QString m_fileName;
    QMap<QString, QMap<QString, QString>> m_sections;
    QString m_readError;
    QString m_errorString;
    QList<SkippedLine> m_skippedLines;
    qint64 m_skippedLineCount = 0;
    QString m_backupFileName;
    mutable bool m_keepPreviousFile = false;
#ifdef Q_OS_WIN
    std::unique_ptr<QSettings> m_registry;
#endif
};
