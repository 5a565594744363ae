// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <functional>

#include "records/best_times_file.h"
#include "records/core/score_line.h"

namespace {

using records::BestTimesFile;

const std::string kDefault(records::kDefaultScores);

class BestTimes : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("data/minebs.txt")); }
    void put(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray onDisk() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    static BestTimesFile::Rebuild record(int level, int seconds, const char* name) {
        return [=](const std::string& current) {
            return std::optional(records::recordFile(current, level, seconds, name));
        };
    }

    QTemporaryDir dir;
    BestTimesFile file{path()};
};

TEST_F(BestTimes, AMissingOrEmptyFileGivesTheDefaultLineAndNothingIsWritten) {
    EXPECT_EQ(file.load(), kDefault);
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("data"))).exists());
    put("");
    EXPECT_EQ(file.load(), kDefault);
    EXPECT_EQ(onDisk(), QByteArray());
}

TEST_F(BestTimes, AnUnreadableFileGivesTheDefaultLineAndAReloadKeepsTheLastOneSayingWhy) {
    QDir().mkpath(path());  // a directory where the file should be
    EXPECT_EQ(file.load(), kDefault);
    QString why;
    EXPECT_EQ(file.reload("\"123", &why), "\"123");
    EXPECT_FALSE(why.isEmpty());
    // A FIFO would hold the game up until something wrote to it.
    QDir(path()).removeRecursively();
    ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    EXPECT_EQ(file.load(), kDefault);
    EXPECT_FALSE(file.update(kDefault, record(1, 7, "Bo")).saved);
    // Links that lead round in a loop take the place all the same: a record leaves them be.
    QFile::remove(path());
    const QString loop = path() + QStringLiteral(".loop");
    ASSERT_TRUE(QFile::link(loop, path()) && QFile::link(path(), loop));
    const auto out = file.update(kDefault, record(1, 7, "Bo"));
    EXPECT_FALSE(out.saved);
    EXPECT_TRUE(out.error.endsWith(QString::fromLocal8Bit(strerror(ELOOP))))
        << out.error.toStdString();
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), loop);
    // A file that opens and then fails to read says why too.
    QFile::remove(path());
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), path()));
    EXPECT_EQ(file.reload("\"123", &why), "\"123");
    EXPECT_EQ(why, QString::fromLocal8Bit(strerror(EIO)));
}

TEST_F(BestTimes, ADamagedFileGivesItsFirstLineAsItIsAndNoMoreThanABoundedStart) {
    put(QByteArray("\"1\0\xff\n2\"\r\nrest", 12));
    EXPECT_EQ(file.load(), std::string("\"1\0\xff\n2\"", 7));
    put("\rafter a lone carriage return");
    EXPECT_EQ(file.load(), "");
    put(QByteArray(3 * 1024 * 1024, '7'));  // megabytes and no line end
    EXPECT_EQ(file.load(), std::string(records::kReadLimit, '7'));
}

TEST_F(BestTimes, ARecordIsWrittenWholeAndReadBackCreatingTheFolder) {
    const auto out = file.update(kDefault, record(2, 45, "Ann"));
    EXPECT_TRUE(out.saved);
    EXPECT_TRUE(out.error.isEmpty());
    EXPECT_EQ(out.scores, "\"999 45999MrNobodyAnn     MrNobody\"");
    EXPECT_EQ(onDisk(), QByteArray("\"999 45999MrNobodyAnn     MrNobody\"\r\n"));
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".lock")));
}

TEST_F(BestTimes, ARecordSavedByAnotherCopyMeanwhileIsKept) {
    const std::string stale = file.load();
    BestTimesFile other(path());
    ASSERT_TRUE(other.update(other.load(), record(2, 45, "Ann")).saved);
    // This copy still holds the line it read before: the rebuild must start from the file.
    const auto out = file.update(stale, record(1, 7, "Bo"));
    EXPECT_EQ(out.scores, "\"  7 45999Bo      Ann     MrNobody\"");
}

TEST_F(BestTimes, AWriteCutShortTellsWhyAndKeepsTheOldFileAndLine) {
    put("\"123456789AAAAAAAABBBBBBBBCCCCCCCC\"\r\n");
    const std::string before = file.load();
    // A full disk, once the lock is taken: the size limit lets only the first 20 bytes through.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto out = file.update(before, [&](const std::string& current) {
        rlimit tiny = saved;
        tiny.rlim_cur = 20;
        setrlimit(RLIMIT_FSIZE, &tiny);
        return std::optional(records::recordFile(current, 1, 7, "Bo"));
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(out.saved);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(out.scores, before);
    EXPECT_EQ(onDisk(), QByteArray("\"123456789AAAAAAAABBBBBBBBCCCCCCCC\"\r\n"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files),
              QStringList{QStringLiteral("minebs.txt")});
}

constexpr uid_t kNobody = 65534;

// Runs `step` in a child process with mounts of its own (as root, or in a user namespace of
// its own) and gives back what it returned.
QString inPrivateMount(const std::function<QString()>& step) {
    int channel[2];
    if (pipe(channel) != 0) {
        return QStringLiteral("(no pipe)");
    }
    const uid_t uid = geteuid();
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        QByteArray result = "(no mount namespace)";
        if (unshare(uid == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) == 0) {
            if (uid != 0) {
                QFile map(QStringLiteral("/proc/self/uid_map"));
                map.open(QIODevice::WriteOnly) &&
                    map.write(QByteArray::number(uid) + " " + QByteArray::number(uid) + " 1");
            }
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
            result = step().toUtf8();
        }
        (void)!write(channel[1], result.constData(), static_cast<std::size_t>(result.size()));
        _exit(0);
    }
    close(channel[1]);
    QFile out;
    out.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString result = QString::fromUtf8(out.readAll());
    waitpid(child, nullptr, 0);
    return result;
}

// Runs `step` as an ordinary user, who cannot read a file of mode 0200 as root could; its
// result is the step's.
int asOrdinaryUser(const std::function<int()>& step) {
    if (geteuid() != 0) {
        return step();
    }
    const pid_t child = fork();
    if (child == 0) {
        _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 ? step() : 100);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

TEST_F(BestTimes, ARecordNeverReplacesAFileThatCannotBeReadButAResetMay) {
    const QByteArray records = "\"  5 20 60Anna    Bo      Cy      \"\r\n";
    put(records);
    for (const QString& folder : {dir.path(), dir.filePath(QStringLiteral("data"))}) {
        QFile::setPermissions(folder, QFileDevice::ReadOther | QFileDevice::WriteOther |
                                          QFileDevice::ExeOther | QFileDevice::ReadOwner |
                                          QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(QFile::encodeName(path()).constData(), kNobody, kNobody), 0);
    }
    EXPECT_EQ(asOrdinaryUser([this] {
                  const auto out = file.update(kDefault, record(1, 6, "Tester"));
                  return out.saved ? 1
                                   : (out.error.contains(QStringLiteral("cannot be read")) ? 0 : 2);
              }),
              0);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(onDisk(), records);
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    EXPECT_EQ(asOrdinaryUser([this] {
                  const auto out = file.update(
                      kDefault,
                      [](const std::string&) { return std::optional(records::defaultFile()); },
                      BestTimesFile::Unreadable::Replace);
                  return out.saved ? 0 : 1;
              }),
              0);
    EXPECT_EQ(onDisk(), QByteArray::fromStdString(records::defaultFile()));
}

TEST_F(BestTimes, AWriteThatCannotEvenStartTellsWhy) {
    QDir().mkpath(path());  // a directory at the path
    auto out = file.update("\"1", record(1, 7, "Bo"));
    EXPECT_FALSE(out.saved);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(out.scores, "\"1");

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    BestTimesFile inside(dir.filePath(QStringLiteral("file/data/minebs.txt")));
    out = inside.update(kDefault, record(1, 7, "Bo"));  // its folder cannot be made
    EXPECT_FALSE(out.saved);
    EXPECT_TRUE(out.error.contains(QStringLiteral("folder")));

    // On a disk of its own, full, then read-only: the player is told that, not how it showed.
    QDir(path()).removeRecursively();
    const QString folder = dir.filePath(QStringLiteral("data"));
    const auto onSpoiltDisk = [&](bool full) {
        return inPrivateMount([&] {
            if (mount("fieldclear", QFile::encodeName(folder).constData(), "tmpfs", 0,
                      "size=64k") != 0) {
                return QStringLiteral("(no tmpfs)");
            }
            put("\"  1  2  3A       B       C       \"\r\n");
            if (full) {
                QFile filler(folder + QStringLiteral("/filler"));
                filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
                while (filler.write(QByteArray(4096, '0')) > 0) {
                }
            } else {
                mount(nullptr, QFile::encodeName(folder).constData(), nullptr,
                      MS_REMOUNT | MS_RDONLY, nullptr);
            }
            const auto spoilt = file.update(kDefault, record(1, 0, "Bo"));
            return spoilt.saved || onDisk().at(3) != '1' ? QStringLiteral("(saved)") : spoilt.error;
        });
    };
    const QString where = QDir::toNativeSeparators(folder);
    EXPECT_EQ(onSpoiltDisk(true).toStdString(),
              QStringLiteral("The disk that holds %1 is full.").arg(where).toStdString());
    EXPECT_EQ(onSpoiltDisk(false).toStdString(),
              QStringLiteral("The folder %1 is read-only.").arg(where).toStdString());
}

TEST_F(BestTimes, AStaleLockLeftByACrashedCopyDoesNotBlockSaving) {
    put(QByteArray(records::defaultFile().c_str()));
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(path() + QStringLiteral(".lock"));
        lock.lock();
        _exit(0);  // ends without unlocking, as a crash would
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral(".lock")));
    EXPECT_TRUE(file.update(kDefault, record(3, 99, "Cy")).saved);
    EXPECT_EQ(file.load(), "\"999999 99MrNobodyMrNobodyCy      \"");
}

// The player who deletes the file starts the records afresh: nothing comes back from memory.
TEST_F(BestTimes, AFileDeletedByHandBetweenTwoSavesStartsAgainFromTheDefaults) {
    const auto first = file.update(kDefault, record(2, 45, "Ann"));
    ASSERT_TRUE(first.saved);
    ASSERT_TRUE(QFile::remove(path()));
    const auto out = file.update(first.scores, record(1, 7, "Bo"));
    EXPECT_EQ(out.scores, "\"  7999999Bo      MrNobodyMrNobody\"");
    EXPECT_EQ(onDisk(), QByteArray("\"  7999999Bo      MrNobodyMrNobody\"\r\n"));
}

}  // namespace
