#include "settings/SettingsIo.h"

#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"

using namespace Qt::StringLiterals;

SettingsLoadReport LoadSettings(const SettingsStore &store, Settings &settings)
{
    SettingsLoadReport report;
    report.fileName = store.fileName();
    report.fileProblem = store.readError();
    for (const SettingsStore::SkippedLine &line : store.skippedLines())
        report.problems.append({{}, {}, line.text, line.problem, {}, line.number});
    report.unlistedProblems = store.skippedLineCount() - store.skippedLines().size();

    Settings loaded;
    for (const SettingKey &row : SettingsSchema::loadOrder()) {
        const QString defaultText = row.defaultText(loaded);
        const QString text = store.GetSetting(row.section, row.key, defaultText);
        // A text that does not convert gives way to the default.
        if (const std::optional<QString> needed = SettingsSchema::assign(loaded, row, text)) {
            report.problems.append({row.section, row.key, text, *needed, defaultText, 0});
            const std::optional<QString> defaultFailed = SettingsSchema::assign(loaded, row, defaultText);
            Q_ASSERT(!defaultFailed);
        }
    }

    settings = loaded;
    if (!report.problems.isEmpty() && report.fileProblem.isEmpty()) {
        store.keepPreviousFileOnCommit();
        report.backupFileName = store.backupFileName();
    }
    return report;
}

std::optional<QString> SaveSettings(SettingsStore &store, const Settings &settings)
{
    bool written = true;
    // Each write happens only while the ones before it have succeeded.
    for (const SettingKey &row : SettingsSchema::saveOrder())
        written = written && store.SaveSetting(row.section, row.key, SettingsSchema::text(settings, row));
    if (!written || !store.commit())
        return store.errorString();
    return std::nullopt;
}
