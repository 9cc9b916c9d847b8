#include "feed/TextFiles.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

QString numberText(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(value.toInteger()) : QString();
}

void addSide(QMap<QString, QString> &files, const QString &prefix, const QJsonObject &side)
{
    files.insert(prefix + u"_name.txt"_s, side.value(u"name"_s).toString());
    files.insert(prefix + u"_score.txt"_s, numberText(side.value(u"score"_s)));
    files.insert(prefix + u"_games_won.txt"_s, numberText(side.value(u"gamesWon"_s)));
}

} // namespace

namespace TextFiles {

QMap<QString, QString> of(const QJsonObject &state)
{
    QMap<QString, QString> files;
    files.insert(u"title.txt"_s, state.value(u"title"_s).toString());
    addSide(files, u"home"_s, state.value(u"home"_s).toObject());
    addSide(files, u"visitor"_s, state.value(u"visitor"_s).toObject());
    const QJsonArray sets = state.value(u"sets"_s).toArray();
    for (qsizetype set = 0; set < sets.size(); ++set) {
        const QJsonArray pair = sets.at(set).toArray();
        const QString prefix = u"set%1_"_s.arg(set + 1);
        files.insert(prefix + u"home.txt"_s, numberText(pair.at(0)));
        files.insert(prefix + u"visitor.txt"_s, numberText(pair.at(1)));
    }
    files.insert(u"possession.txt"_s, state.value(u"possession"_s).toString());
    files.insert(u"clock.txt"_s, state.value(u"clock"_s).toObject().value(u"text"_s).toString());
    return files;
}

} // namespace TextFiles
