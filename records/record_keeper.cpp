// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_keeper.h"

#include <QDir>
#include <QInputDialog>
#include <QMessageBox>

#include "records/core/score_line.h"
#include "records/dialog_look.h"
#include "records/name_code_page.h"

namespace records {

RecordKeeper::RecordKeeper(game::Module1& settings, BestTimesFile file, QWidget* window)
    : m_(settings), file_(std::move(file)), window_(window) {}

void RecordKeeper::scoreload() {
    m_.scores = file_.load();
}

void RecordKeeper::tell(const QString& why) const {
    QMessageBox box(
        QMessageBox::Warning, tr("Best Times"),
        tr("The best times could not be saved to %1.").arg(QDir::toNativeSeparators(file_.path())),
        QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("saveFailed"));
    box.setPalette(dialogPalette());
    box.setInformativeText(why);
    box.exec();
}

bool RecordKeeper::finish(const BestTimesFile::Outcome& outcome) {
    m_.scores = outcome.scores;
    if (!outcome.error.isEmpty()) {
        tell(outcome.error);
    }
    return outcome.saved;
}

void RecordKeeper::scorecheck(int level, int seconds, const std::function<void()>& beforeAsking) {
    if (level < 1 || level > kRecordLevels) {
        return;  // a custom field keeps no record
    }
    // The file as it is now: another copy of the game may have set a better time.
    QString unreadable;
    m_.scores = file_.reload(m_.scores, &unreadable);
    if (!isRecord(m_.scores, level, seconds)) {
        return;
    }
    if (beforeAsking) {
        beforeAsking();
    }
    if (!unreadable.isEmpty()) {
        // No name to ask for: the record could only be saved over the ones the file holds.
        tell(tr("The file cannot be read, so it was left as it is: %1").arg(unreadable));
        return;
    }
    scoresave(level, seconds, askRecordName(window_));
}

bool RecordKeeper::scoresave(int level, int seconds, const QString& name) {
    // Composed first, so that a letter typed with a combining accent is the one character
    // the code page has for it.
    const std::string bytes =
        encodeName(name.normalized(QString::NormalizationForm_C).toStdU32String(), nameCodePage());
    // Compared again under the lock: another copy may have saved while the prompt stood open.
    return finish(
        file_.update(m_.scores, [&](const std::string& current) -> std::optional<std::string> {
            if (!isRecord(current, level, seconds)) {
                return std::nullopt;
            }
            return recordFile(current, level, seconds, bytes);
        }));
}

bool RecordKeeper::scorereset() {
    // The player asked for it after "Are you sure?": it may replace a file that cannot be read.
    return finish(file_.update(
        m_.scores, [](const std::string&) { return defaultFile(); },
        BestTimesFile::Unreadable::Replace));
}

// The prompt is made once and kept, like the other dialogs: a screen reader may go on asking
// about the box it was on after the prompt has closed.
QString askRecordName(QWidget* parent) {
    const QString name = QStringLiteral("recordPrompt");
    auto* prompt = parent->findChild<QInputDialog*>(name, Qt::FindDirectChildrenOnly);
    if (prompt == nullptr) {
        prompt = new QInputDialog(parent);
        prompt->setObjectName(name);
        prompt->setPalette(dialogPalette());
        prompt->setWindowTitle(RecordKeeper::tr("Congratulations"));
        prompt->setLabelText(
            RecordKeeper::tr("You have the fastest time for this level. Please type your name:"));
    }
    prompt->setTextValue(QStringLiteral("MrNobody"));
    return prompt->exec() == QDialog::Accepted ? prompt->textValue() : QString();
}

}  // namespace records
