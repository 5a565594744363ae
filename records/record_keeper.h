// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_RECORD_KEEPER_H
#define FIELDCLEAR_RECORDS_RECORD_KEEPER_H

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "game/module1.h"
#include "records/best_times_file.h"

class QWidget;

namespace records {

// Keeps `scores` and the best-times file in step: reads it at every new game, saves records
// and resets. A save that fails is told to the player and changes nothing on disk.
class RecordKeeper {
    Q_DECLARE_TR_FUNCTIONS(records::RecordKeeper)

public:
    RecordKeeper(game::Module1& settings, BestTimesFile file, QWidget* window);

    void scoreload();
    // After a win: asks for the name and saves it when `seconds` beats the level's record.
    // `beforeAsking` runs first whenever a window is about to take the keyboard for it (the
    // prompt, or the message that the file cannot be read), and only then.
    void scorecheck(int level, int seconds, const std::function<void()>& beforeAsking = {});
    // Writes the record into the file, unless the file holds a better time by now; false if
    // nothing was saved.
    bool scoresave(int level, int seconds, const QString& name);
    // Writes the default line; false if that failed (the player has been told).
    bool scorereset();

    const std::string& scores() const { return m_.scores; }

private:
    bool finish(const BestTimesFile::Outcome& outcome);
    // Tells the player that the best times were not saved, and why.
    void tell(const QString& why) const;

    game::Module1& m_;
    BestTimesFile file_;
    QWidget* window_;
};

// The name prompt after a record; Cancel gives an empty name.
QString askRecordName(QWidget* parent);

}  // namespace records

#endif
