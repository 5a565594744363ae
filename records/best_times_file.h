// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_BEST_TIMES_FILE_H
#define FIELDCLEAR_RECORDS_BEST_TIMES_FILE_H

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace records {

// The best-times file on disk. A missing or unreadable file never stops the game: reading
// gives the default line and nothing is written until a record or a reset, and a record never
// replaces a file that cannot be read. Writes replace the
// file atomically, under a lock beside it that every running copy of the game honours, and
// re-read the file first so that a record another copy saved meanwhile is never lost.
class BestTimesFile {
    Q_DECLARE_TR_FUNCTIONS(records::BestTimesFile)

public:
    // The file in the user's data folder.
    static QString standardPath();

    explicit BestTimesFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The first line of the file, or the default line when there is none to read.
    std::string load() const;
    // The same, but keeps `scores` when the file exists and cannot be read, and then tells
    // why in `unreadable`.
    std::string reload(const std::string& scores, QString* unreadable = nullptr) const;

    struct Outcome {
        bool saved = false;
        std::string scores;  // the line now in force: on disk if saved, as before if not
        QString error;       // why nothing was saved, for the player; empty if nothing had to be
    };

    // Takes the lock, reads the file afresh (falling back on `scores` when it cannot be read)
    // and passes that line to `rebuild`, which returns the whole new file or nothing to leave
    // it as it is. The new file is written atomically and read back.
    // A file that exists but cannot be read is kept, unless the new file owes nothing to the
    // old one (a reset).
    using Rebuild = std::function<std::optional<std::string>(const std::string& current)>;
    enum class Unreadable { Keep, Replace };
    Outcome update(const std::string& scores, const Rebuild& rebuild,
                   Unreadable unreadable = Unreadable::Keep) const;

private:
    enum class Read { Ok, Missing, Failed };
    Read read(std::string& line, QString* why = nullptr) const;
    bool write(const std::string& bytes, QString& error) const;

    QString path_;
};

}  // namespace records

#endif
