// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/best_times_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "records/core/score_line.h"

namespace records {

namespace {

// Long enough for another copy to finish its write, short enough not to feel stuck.
constexpr int kLockWaitMs = 3000;

}  // namespace

QString BestTimesFile::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/minebs.txt");
}

BestTimesFile::Read BestTimesFile::read(std::string& line) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.exists() ? Read::Failed : Read::Missing;
    }
    // Only the start is read, so a huge or binary file costs no more than a good one.
    const QByteArray bytes = file.read(static_cast<qint64>(kReadLimit));
    if (bytes.isEmpty()) {
        return file.error() == QFileDevice::NoError ? Read::Missing : Read::Failed;
    }
    line = firstLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return Read::Ok;
}

std::string BestTimesFile::load() const {
    std::string line;
    return read(line) == Read::Ok ? line : std::string(kDefaultScores);
}

std::string BestTimesFile::reload(const std::string& scores) const {
    std::string line;
    switch (read(line)) {
        case Read::Ok:
            return line;
        case Read::Missing:
            return std::string(kDefaultScores);
        case Read::Failed:
            break;
    }
    return scores;
}

bool BestTimesFile::write(const std::string& bytes, QString& error) const {
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

BestTimesFile::Outcome BestTimesFile::update(const std::string& scores,
                                             const Rebuild& rebuild) const {
    Outcome out;
    out.scores = scores;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        out.error = QStringLiteral("The folder %1 cannot be created.").arg(folder);
        return out;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        out.error = lock.error() == QLockFile::LockFailedError
                        ? QStringLiteral("Another copy of the game is still saving its times.")
                        : QStringLiteral("No lock file can be made in %1.").arg(folder);
        return out;
    }
    std::string current = reload(scores);
    out.scores = current;
    const std::optional<std::string> next = rebuild(current);
    if (!next) {
        return out;
    }
    if (!write(*next, out.error)) {
        return out;
    }
    out.saved = true;
    if (read(current) != Read::Ok) {
        current = firstLine(*next);
    }
    out.scores = current;
    return out;
}

}  // namespace records
