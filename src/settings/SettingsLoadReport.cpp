#include "settings/SettingsLoadReport.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString problemLine(const SettingsProblem &problem)
{
    if (problem.line > 0)
        return u"Line %1 (\"%2\") %3: it is skipped."_s.arg(problem.line).arg(problem.storedText, problem.problem);
    return u"[%1] %2 holds \"%3\", but %2 needs %4: %5 is used instead."_s.arg(
        problem.section, problem.key, problem.storedText, problem.problem,
        problem.usedInstead.isEmpty() ? u"nothing"_s : u"\"%1\""_s.arg(problem.usedInstead));
}

} // namespace

QString SettingsLoadReport::message() const
{
    if (!fileProblem.isEmpty())
        return u"The settings file \"%1\" could not be read: %2. Vantaro runs with the default settings and "
               "leaves the file as it is; settings changed in the options dialog are used until Vantaro is "
               "closed, but cannot be saved over that file. Correct the file, or delete it to start with the "
               "default settings."_s.arg(fileName, fileProblem);
    QString text
        = u"Some of the settings in \"%1\" could not be used; Vantaro runs with these instead:\n"_s.arg(fileName);
    for (qsizetype i = 0; i < problems.size() && i < ListedProblems; ++i)
        text += u"\n\u2022 "_s + problemLine(problems[i]);
    const qsizetype more = unlistedProblems + std::max<qsizetype>(0, problems.size() - ListedProblems);
    if (more > 0)
        text += u"\n\u2022 ... and %1 more."_s.arg(more);
    text += u"\n\nThe file is left as it is until you press OK in the options dialog (F2). OK saves the settings "
            "in use and first keeps the file as it is now beside it, as \"%1\"."_s.arg(backupFileName);
    return text;
}
