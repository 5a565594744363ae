// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/custom_field_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "records/core/number_reader.h"
#include "records/dialog_look.h"
#include "records/twips.h"

namespace records {

namespace {

constexpr int kCaptionLeft = 120;
constexpr int kBoxLeft = 1080;
constexpr int kButtonLeft = 2125;
constexpr int kHeightTop = 240;
constexpr int kWidthTop = 720;
constexpr int kMinesTop = 1200;

int read(const QLineEdit* box) {
    return readWholeNumber(box->text().toStdString());
}

// The caption of a box, as a screen reader reads it, whose access key leads elsewhere and only
// moves the focus there. With OK as its buddy instead, a reader would read OK by the caption.
class Caption final : public QLabel {
public:
    // The buddy first: a reader keeps the name it first hears, and a caption without one is
    // named with its ampersand.
    Caption(const QString& text, QWidget* box, QWidget* leadsTo, QWidget* parent)
        : QLabel(parent), leadsTo_(leadsTo) {
        setBuddy(box);
        setText(text);
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Shortcut) {
            leadsTo_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        return QLabel::event(e);
    }

private:
    QWidget* leadsTo_;
};

}  // namespace

Form3::Form3(int across, int down, int totalmines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Custom Field"));
    applyDialogLook(*this, px(3375), px(1650));

    //: What a screen reader calls the three boxes of the custom field dialog.
    dwn_ = box("Dwn", kHeightTop, tr("Height"));
    acr_ = box("Acr", kWidthTop, tr("Width"));
    tm_ = box("TM", kMinesTop, tr("Mines"));
    acr_->setText(QString::number(across));
    dwn_->setText(QString::number(down));
    tm_->setText(QString::number(totalmines));

    //: Buttons 73 pixels wide.
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setGeometry(px(kButtonLeft), px(240), px(1095), px(300));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setGeometry(px(kButtonLeft), px(600), px(1095), px(300));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    // The captions come last in the tab order, so their access keys lead round to OK; each is
    // read as its box's caption.
    const auto caption = [this](const char* name, const QString& text, QLineEdit* box, int top,
                                QSize size) {
        auto* label = new Caption(text, box, ok_, this);
        label->setObjectName(QString::fromLatin1(name));
        label->move(px(kCaptionLeft), px(top));
        if (size.isValid()) {
            label->resize(size);
        } else {
            label->adjustSize();
        }
    };
    //: The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines;
    //: & marks the access key, and the three keys must differ from each other and from OK's and
    //: Cancel's.
    caption("HLabel", tr("&Height:"), dwn_, kHeightTop, QSize());
    caption("WLabel", tr("&Width:"), acr_, kWidthTop, QSize(px(735), px(255)));
    caption("Label1", tr("&Mines:"), tm_, kMinesTop, QSize(px(735), px(255)));

    setTabOrder(ok_, acr_);
    setTabOrder(acr_, dwn_);
    setTabOrder(dwn_, tm_);
    setTabOrder(tm_, cancel_);
    ok_->setFocus();
}

QLineEdit* Form3::box(const char* name, int top, const QString& spoken) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    // Its own name, so that a reader names it in plain words, whatever it makes of the caption.
    edit->setAccessibleName(spoken);
    edit->setGeometry(px(kBoxLeft), px(top), px(855), px(285));
    return edit;
}

CustomFieldEntry Form3::entry() const {
    return {read(acr_), read(dwn_), read(tm_)};
}

// A box keeps an undo step for every character typed, pasted or deleted for as long as it
// lives, and these live as long as the window: a few large pastes would hold megabytes. Its own
// text set again empties that history and keeps the text for the next opening.
void Form3::done(int result) {
    for (QLineEdit* b : {acr_, dwn_, tm_}) {
        b->setText(b->text());
    }
    QDialog::done(result);
}

}  // namespace records
