// libFuzzer entry point for the settings: every input is read as a stored value by the number
// conversions and as the whole settings file by the store and LoadSettings. Conversions must stay within
// their ranges and give back what they read; whatever loads must save, load again and save to the very
// same file; any text stored under any section and key must come back exactly.
#include "core/Currency.h"
#include "core/Numbers.h"
#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> fuzzFolder;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

template<typename Integer> void checkRanged(std::optional<Integer> whole, double value)
{
    if (!whole)
        return;
    require(std::abs(*whole - value) <= 0.5);
    if (value == std::floor(value))
        require(*whole == value);
}

void checkConversions(const QString &text)
{
    require(!std::isnan(Numbers::numericValue(text)));
    if (const std::optional<double> value = Numbers::parseDecimal(text)) {
        require(std::isfinite(*value));
        checkRanged(Numbers::toInt16(*value), *value);
        checkRanged(Numbers::toInt32(*value), *value);
    }
    if (const std::optional<Currency> value = Currency::parse(text))
        require(Currency::parse(value->toString()) == value);
}

QString writeFile(const QString &name, QByteArrayView contents)
{
    const QString path = fuzzFolder->filePath(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(contents.data(), contents.size()) == contents.size());
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Saves the record into a fresh store and returns the file it wrote.
QByteArray saved(const Settings &settings, const QString &name)
{
    QFile::remove(fuzzFolder->filePath(name));
    SettingsStore store(fuzzFolder->filePath(name));
    require(!SaveSettings(store, settings));
    return readFile(store.fileName());
}

void checkLoadRoundTrip(QByteArrayView contents)
{
    const SettingsStore store(writeFile(QStringLiteral("input.ini"), contents));
    Settings settings;
    // Whatever the file holds, the load gives a record that saves and loads again unchanged.
    if (!store.readError().isEmpty())
        return;
    LoadSettings(store, settings);
    const QByteArray first = saved(settings, QStringLiteral("first.ini"));
    const SettingsStore reread(fuzzFolder->filePath(QStringLiteral("first.ini")));
    Settings again;
    require(reread.readError().isEmpty() && !LoadSettings(reread, again).hasProblems());
    require(saved(again, QStringLiteral("second.ini")) == first);
}

void checkTextRoundTrip(const QString &text)
{
    const QString path = fuzzFolder->filePath(QStringLiteral("text.ini"));
    QFile::remove(path);
    {
        SettingsStore store(path);
        require(store.SaveSetting(text, text, text) && store.SaveSetting(QStringLiteral("TextSettings"), text, text));
        require(store.commit());
    }
    const SettingsStore reread(path);
    require(reread.readError().isEmpty());
    require(reread.value(text, text) == text && reread.value(QStringLiteral("TextSettings"), text) == text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // LoadSettings forms the default buzzer file from the program's folder, which needs an application.
    static QCoreApplication application(*argc, *argv);
    const QString shm = QStringLiteral("/dev/shm");
    fuzzFolder = std::make_unique<QTemporaryDir>((QFileInfo(shm).isWritable() ? shm : QDir::tempPath())
                                                 + QStringLiteral("/vantaro-fuzz-XXXXXX"));
    require(fuzzFolder->isValid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    checkConversions(text);
    checkLoadRoundTrip(bytes);
    checkTextRoundTrip(text);
    return 0;
}
