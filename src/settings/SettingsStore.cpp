#include "settings/SettingsStore.h"

#include "core/BackgroundWork.h"
#include "core/FileAccess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString ApplicationName = u"Vantaro"_s;
// Far beyond what the settings take (a few kilobytes, or some hundred with the longest texts); a larger
// file is not read at all, so that a stray huge file cannot exhaust memory or stall the start.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// A settings file on a drive that does not answer within this time is treated as unreadable, so that the
// program still starts.
constexpr std::chrono::milliseconds ReadTimeLimit {3000};
// Skipped lines kept with their text; the rest are only counted.
constexpr qsizetype KeptSkippedLines = 100;
// Characters that would end or disguise a section or key name.
constexpr QStringView NameSpecials = u"=[];#";

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The escape of one character, or nothing when it is written as it is.
QString escapeOf(QChar c, QStringView specials)
{
    switch (c.unicode()) {
    case u'\\':
        return u"\\\\"_s;
    case u'\n':
        return u"\\n"_s;
    case u'\r':
        return u"\\r"_s;
    case u'\t':
        return u"\\t"_s;
    default:
        break;
    }
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return u"\\x"_s + QString::number(c.unicode(), 16).rightJustified(2, u'0');
    if (specials.contains(c))
        return u'\\' + QString(c);
    return {};
}

// Text as one line of the file; blanks at either end become "\s" so that reading may trim the line.
QString escape(QStringView text, QStringView specials = {})
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == u' ')
        ++first;
    qsizetype last = text.size();
    while (last > first && text[last - 1] == u' ')
        --last;
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString special = escapeOf(text[i], specials);
        if (text[i] == u' ' && (i < first || i >= last))
            escaped += u"\\s"_s;
        else if (!special.isEmpty())
            escaped += special;
        else
            escaped += text[i];
    }
    return escaped;
}

// The inverse of escape(); nothing when an escape is cut short or malformed.
std::optional<QString> unescape(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'n':
            plain += u'\n';
            break;
        case u'r':
            plain += u'\r';
            break;
        case u't':
            plain += u'\t';
            break;
        case u's':
            plain += u' ';
            break;
        case u'x': {
            const int high = i + 1 < text.size() ? hexDigitValue(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? hexDigitValue(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return std::nullopt;
            plain += QChar(char16_t(high * 16 + low));
            i += 2;
            break;
        }
        default:
            plain += text[i];
        }
    }
    return plain;
}

// Position of the first '=' that is not escaped, or -1.
qsizetype separatorIndex(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == u'=')
            return i;
    }
    return -1;
}

// A file that could not be understood is never replaced: it may hold what the user still needs.
QString unreadableReason(const QString &readError)
{
    return u"it could not be read, so it is left as it is (%1)"_s.arg(readError);
}

// A save killed part way leaves QSaveFile's temporary file ("Vantaro.ini.Ab12Cd") behind. Saving takes
// milliseconds, so one last written before this save began is such a leftover (or the temporary file of
// another copy of the program saving at that very moment, whose save then fails and says so).
void removeLeftoverSaves(const QString &fileName, const QDateTime &saveBegan)
{
    const QFileInfo target(fileName);
    const QRegularExpression leftover(u"^"_s + QRegularExpression::escape(target.fileName()) + u"\\.[A-Za-z0-9]{6}$"_s);
    const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (leftover.match(entry.fileName()).hasMatch() && entry.lastModified() < saveBegan)
            QFile::remove(entry.filePath());
    }
}

#ifndef Q_OS_WIN
QString perUserFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + ApplicationName + u'/'
        + ApplicationName + u".ini"_s;
}
#endif

} // namespace

#ifdef Q_OS_WIN
SettingsStore::SettingsStore()
    : m_registry(
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName, ApplicationName))
{
}
#else
SettingsStore::SettingsStore()
    : SettingsStore(perUserFileName())
{
}
#endif

SettingsStore::SettingsStore(const QString &fileName)
    : m_fileName(fileName)
    , m_backupFileName(fileName + u".bak-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s))
{
    readFile();
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString &section, const QString &key, const QString &defaultText) const
{
    return value(section, key).value_or(defaultText);
}

std::optional<QString> SettingsStore::value(const QString &section, const QString &key) const
{
#ifdef Q_OS_WIN
    if (m_registry) {
        const QString path = section + u'/' + key;
        if (!m_registry->contains(path))
            return std::nullopt;
        return m_registry->value(path).toString();
    }
#endif
    const auto sectionIt = m_sections.constFind(section);
    if (sectionIt == m_sections.cend())
        return std::nullopt;
    const auto keyIt = sectionIt->constFind(key);
    if (keyIt == sectionIt->cend())
        return std::nullopt;
    return *keyIt;
}

bool SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &text)
{
#ifdef Q_OS_WIN
    if (m_registry) {
        m_registry->setValue(section + u'/' + key, text);
        return true;
    }
#endif
    if (!m_readError.isEmpty())
        return fail(unreadableReason(m_readError));
    m_sections[section][key] = text;
    return true;
}

bool SettingsStore::commit()
{
#ifdef Q_OS_WIN
    if (m_registry) {
        m_registry->sync();
        return m_registry->status() == QSettings::NoError || fail(u"the registry could not be written"_s);
    }
#endif
    if (!m_readError.isEmpty())
        return fail(unreadableReason(m_readError));
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        return fail(u"its folder could not be created"_s);
    if (m_keepPreviousFile && !keepPreviousFile())
        return fail(
            u"the file as it was could not be kept as \"%1\" first, so it was not replaced"_s.arg(m_backupFileName));
    const QDateTime saveBegan = QDateTime::currentDateTimeUtc();
    QSaveFile file(m_fileName);
    // Unbuffered: QSaveFile::commit() renames even when flushing its buffer failed, which would put a
    // truncated file in place of the old one when the disk fills up.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // A write cut short by a full disk is not flagged as an error by QSaveFile: compare the length.
    const QByteArray contents = fileContents();
    if (contents.size() > MaxFileSize) {
        file.cancelWriting();
        return fail(u"the settings would take more than %1 bytes"_s.arg(MaxFileSize));
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return fail(u"it could not be written completely (is the disk full?)"_s);
    }
    if (!file.commit())
        return fail(file.errorString());
    removeLeftoverSaves(m_fileName, saveBegan);
    return true;
}

QString SettingsStore::fileName() const
{
#ifdef Q_OS_WIN
    if (m_registry)
        return m_registry->fileName();
#endif
    return m_fileName;
}

void SettingsStore::readFile()
{
    const QString fileName = m_fileName;
    const std::optional<FileAccess::Contents> read = BackgroundWork::runWithin<FileAccess::Contents>(
        [fileName] { return FileAccess::readRegular(fileName, MaxFileSize, FileAccess::Larger::Refuse); },
        ReadTimeLimit);
    if (!read) {
        m_readError = u"it did not answer within %1 seconds (is it on a network drive that is not "
                      "reachable?)"_s.arg(ReadTimeLimit.count() / 1000);
        return;
    }
    if (read->missing)
        return;
    if (!read->problem.isEmpty()) {
        m_readError = read->problem;
        return;
    }
    readLines(read->bytes);
    if (m_skippedLineCount > 0)
        keepPreviousFileOnCommit();
}

void SettingsStore::readLines(const QByteArray &contents)
{
    // Every chunk is a whole line, so a sequence cut short at the end of the file counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    std::optional<QString> section;
    // A [section] line could not be read: the key lines under it are skipped too.
    bool sectionSkipped = false;
    qsizetype start = 0;
    for (qint64 lineNumber = 1; start < contents.size(); ++lineNumber) {
        qsizetype end = contents.indexOf('\n', start);
        end = end < 0 ? contents.size() : end + 1;
        const QByteArrayView bytes(contents.constData() + start, end - start);
        start = end;
        const QString line = decoder.decode(bytes);
        if (decoder.hasError()) {
            skipLine(lineNumber, QString::fromUtf8(bytes), u"is not UTF-8 text"_s);
            decoder.resetState();
            continue;
        }
        const QString problem = takeLine(line, section, sectionSkipped);
        if (!problem.isEmpty())
            skipLine(lineNumber, line, problem);
    }
}

void SettingsStore::skipLine(qint64 number, const QString &text, const QString &problem)
{
    ++m_skippedLineCount;
    if (m_skippedLines.size() >= KeptSkippedLines)
        return;
    // Shown to the operator: on one line, without control characters, not overly long.
    QStringView line(text);
    while (line.endsWith(u'\n') || line.endsWith(u'\r'))
        line.chop(1);
    QString shown = escape(trimBlanks(line.left(200)));
    if (shown.size() > 80)
        shown = shown.left(77) + u"..."_s;
    m_skippedLines.append({number, shown, problem});
}

// Takes in one line of the file; the problem with it, or an empty text when it was understood.
QString SettingsStore::takeLine(QStringView line, std::optional<QString> &section, bool &sectionSkipped)
{
    if (line.endsWith(u'\n'))
        line.chop(1);
    if (line.endsWith(u'\r'))
        line.chop(1);
    const QStringView text = trimBlanks(line);
    if (text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#'))
        return {};
    if (text.startsWith(u'[')) {
        // Until the next [section] line is read, keys have no section they could safely go to.
        section.reset();
        if (text.size() < 2 || !text.endsWith(u']')) {
            sectionSkipped = true;
            return u"opens a [section] without closing it"_s;
        }
        const std::optional<QString> name = unescape(trimBlanks(text.sliced(1, text.size() - 2)));
        if (!name) {
            sectionSkipped = true;
            return u"holds a broken escape"_s;
        }
        sectionSkipped = false;
        section = *name;
        return {};
    }
    const qsizetype separator = separatorIndex(text);
    if (separator < 0)
        return u"is neither a [section] nor a key=value line"_s;
    if (!section)
        return sectionSkipped ? u"belongs to a [section] line that could not be read"_s
                              : u"comes before the first [section]"_s;
    const std::optional<QString> key = unescape(trimBlanks(text.first(separator)));
    const std::optional<QString> value = unescape(trimBlanks(text.sliced(separator + 1)));
    if (!key || !value)
        return u"holds a broken escape"_s;
    m_sections[*section][*key] = *value;
    return {};
}

QByteArray SettingsStore::fileContents() const
{
    QString contents = u"; Vantaro settings. Escapes: \\\\ \\n \\r \\t \\s (space) \\xHH.\n"_s;
    for (auto section = m_sections.cbegin(); section != m_sections.cend(); ++section) {
        contents += u"\n["_s + escape(section.key(), NameSpecials) + u"]\n"_s;
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry)
            contents += escape(entry.key(), NameSpecials) + u'=' + escape(entry.value()) + u'\n';
    }
    return contents.toUtf8();
}

// Copies the file, as it is, to the backup name; true when there was nothing to keep. The file is read as
// at load: only an ordinary file, opened so that it cannot wait for a writer.
bool SettingsStore::keepPreviousFile()
{
    const FileAccess::Contents previous = FileAccess::readRegular(m_fileName, MaxFileSize, FileAccess::Larger::Refuse);
    if (previous.missing) {
        m_keepPreviousFile = false;
        return true;
    }
    if (!previous.problem.isEmpty())
        return false;
    // A backup of the same second (a second save of another run) is not overwritten.
    const QString first = m_backupFileName;
    for (int next = 2; QFileInfo::exists(m_backupFileName) && next < 100; ++next)
        m_backupFileName = first + u'-' + QString::number(next);
    QFile backup(m_backupFileName);
    if (!backup.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    if (backup.write(previous.bytes) != previous.bytes.size() || !backup.flush()) {
        backup.remove();
        return false;
    }
    m_keepPreviousFile = false;
    return true;
}

bool SettingsStore::fail(const QString &reason)
{
    m_errorString = u"The settings file \"%1\" could not be saved: %2."_s.arg(fileName(), reason);
    return false;
}
