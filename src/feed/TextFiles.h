#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// The text files for streaming tools that read one value per file: title.txt, home_name.txt,
// home_score.txt, home_games_won.txt, set1_home.txt … set4_visitor.txt, possession.txt, clock.txt and
// their visitor twins, each holding what the feed's JSON holds for it (an empty field as an empty file).
namespace TextFiles {

// File name to contents, from the feed's JSON of the match.
QMap<QString, QString> of(const QJsonObject &state);

} // namespace TextFiles
