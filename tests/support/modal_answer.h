// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_TESTS_SUPPORT_MODAL_ANSWER_H
#define FIELDCLEAR_TESTS_SUPPORT_MODAL_ANSWER_H

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testing_support {

// Answers every modal dialog named `name` that opens while it lives, from inside the dialog's
// own event loop, the way a player would. Counts the dialogs it answered.
class ModalAnswer {
public:
    ModalAnswer(const QString& name, std::function<void(QWidget*)> answer)
        : name_(name), answer_(std::move(answer)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    int count = 0;

private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (w != nullptr && w->isVisible() && w->objectName() == name_ && w != answering_) {
            ++count;
            answering_ = w;
            answer_(w);
            answering_ = nullptr;
        }
    }

    QString name_;
    std::function<void(QWidget*)> answer_;
    QWidget* answering_ = nullptr;
    QTimer timer_;
};

}  // namespace testing_support

#endif
