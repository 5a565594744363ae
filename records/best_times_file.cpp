// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/best_times_file.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "records/core/score_line.h"

namespace records {

namespace {

// Long enough for another copy to finish its write, short enough not to feel stuck.
constexpr int kLockWaitMs = 3000;

// Why nothing can be written in `folder`, in the player's terms, found by writing a byte into a
// file of its own there; `otherwise` when that works. A lock file or a save that fails says
// only how the failure showed, not that the disk is full.
QString whyNotWritable(const QString& folder, const QString& otherwise) {
    QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.minebs-XXXXXX"));
    const int fd = mkstemp(probe.data());
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::write(fd, "0", 1) != 1) {
            error = errno;
        }
        close(fd);
        unlink(probe.constData());
    }
    const QString where = QDir::toNativeSeparators(folder);
    switch (error) {
        case 0:
            return otherwise;
        case ENOSPC:
        case EDQUOT:
            return BestTimesFile::tr("The disk that holds %1 is full.").arg(where);
        case EROFS:
            return BestTimesFile::tr("The folder %1 is read-only.").arg(where);
        case EACCES:
        case EPERM:
            return BestTimesFile::tr("You may not write in the folder %1.").arg(where);
        default:
            return BestTimesFile::tr("Nothing can be written in the folder %1: %2")
                .arg(where, QString::fromLocal8Bit(strerror(error)));
    }
}

}  // namespace

QString BestTimesFile::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/minebs.txt");
}

BestTimesFile::Read BestTimesFile::read(std::string& line, QString* why) const {
    const auto failed = [why](const QString& reason) {
        if (why != nullptr) {
            *why = reason.isEmpty() ? tr("Unknown error") : reason;
        }
        return Read::Failed;
    };
    // A link that leads nowhere (round in a loop, or to a file gone) still takes the place: it
    // is no missing file, and a record must not replace it.
    const auto taken = [](const QFileInfo& info) { return info.exists() || info.isSymLink(); };
    const QFileInfo info(path_);
    if (!taken(info)) {
        return Read::Missing;
    }
    // A folder, a FIFO or a device is no best-times file, and opening a FIFO would wait for a
    // writer that never comes.
    if (info.exists() && !info.isFile()) {
        return failed(tr("It is not a regular file."));
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return taken(QFileInfo(path_)) ? failed(file.errorString()) : Read::Missing;
    }
    // Only the start is read, so a huge or binary file costs no more than a good one.
    const QByteArray bytes = file.read(static_cast<qint64>(kReadLimit));
    if (bytes.isEmpty()) {
        return file.error() == QFileDevice::NoError ? Read::Missing : failed(file.errorString());
    }
    line = firstLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return Read::Ok;
}

std::string BestTimesFile::load() const {
    std::string line;
    return read(line) == Read::Ok ? line : std::string(kDefaultScores);
}

std::string BestTimesFile::reload(const std::string& scores, QString* unreadable) const {
    std::string line;
    switch (read(line, unreadable)) {
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
    // Unbuffered, so that a write the disk cuts short (a quota, a size limit) shows in what
    // write() returns; commit() alone would replace the old file with the part that made it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 written = file.write(bytes.data(), size);
    if (written != size) {
        error = written < 0
                    ? file.errorString()
                    : tr("Only %1 of its %2 bytes could be written.").arg(written).arg(size);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

BestTimesFile::Outcome BestTimesFile::update(const std::string& scores, const Rebuild& rebuild,
                                             Unreadable unreadable) const {
    Outcome out;
    out.scores = scores;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        // A full disk shows in the nearest folder that is there.
        QString there = folder;
        while (!QFileInfo(there).isDir() && QFileInfo(there).path() != there) {
            there = QFileInfo(there).path();
        }
        out.error = whyNotWritable(
            there, tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)));
        return out;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        out.error =
            lock.error() == QLockFile::LockFailedError
                ? tr("Another copy of the game is still saving its times.")
                : whyNotWritable(
                      folder,
                      tr("No lock file can be made in %1.").arg(QDir::toNativeSeparators(folder)));
        return out;
    }
    QString why;
    std::string current = reload(scores, &why);
    if (!why.isEmpty() && unreadable == Unreadable::Keep) {
        // Rebuilding from the line in memory would put the defaults over every record the
        // file holds.
        out.error = tr("It cannot be read, so it was left as it is: %1").arg(why);
        return out;
    }
    out.scores = current;
    const std::optional<std::string> next = rebuild(current);
    if (!next) {
        return out;
    }
    if (!write(*next, out.error)) {
        // The disk may have filled up since the lock was made.
        out.error = whyNotWritable(folder, out.error);
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
