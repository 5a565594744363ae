// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/best_times_dialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "records/core/score_line.h"
#include "records/dialog_look.h"
#include "records/name_code_page.h"
#include "records/panel_view.h"
#include "records/record_keeper.h"
#include "records/twips.h"

namespace records {

namespace {

constexpr std::array<int, kRecordLevels> kRowTops = {480, 840, 1200};
constexpr int kTimeLeft = 1680;
constexpr int kNameLeft = 3240;

QString text(std::string_view bytes) {
    const std::u32string chars = decodeName(bytes, nameCodePage());
    return QString::fromUcs4(chars.data(), static_cast<qsizetype>(chars.size()));
}

}  // namespace

Form2::Form2(RecordKeeper& keeper, const QImage& panel, QWidget* parent)
    : QDialog(parent), keeper_(keeper) {
    setObjectName(QStringLiteral("Form2"));
    fram_ = new PanelView(panel, this);
    fram_->setObjectName(QStringLiteral("Fram"));
    for (std::size_t i = 0; i < best_.size(); ++i) {
        best_[i] = new QLabel(this);
        best_[i]->setObjectName(QStringLiteral("Best%1").arg(i));
    }
    //: A button 81 pixels wide; & marks the access key.
    reset_ = new QPushButton(tr("&Reset Scores"), this);
    reset_->setObjectName(QStringLiteral("Reset"));
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    setTabOrder(reset_, ok_);
    connect(reset_, &QPushButton::clicked, this, &Form2::Reset_Click);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setScale(1, 1.0);
    fill();
    setWindowTitle(text(keeper_.scores()));
    reset_->setFocus();
}

void Form2::setScale(int factor, qreal ratio) {
    unit_ = factor / ratio;
    applyDialogLook(*this, at(4830), at(2265), unit_);
    fram_->setScale(factor, ratio);
    fram_->move(at(120), at(120));
    for (int i = 0; i < kRecordLevels; ++i) {
        const int top = at(kRowTops[static_cast<std::size_t>(i)]);
        best_[static_cast<std::size_t>(i)]->move(at(kTimeLeft), top);
        best_[static_cast<std::size_t>(i + kRecordLevels)]->move(at(kNameLeft), top);
    }
    reset_->setGeometry(at(2160), at(1800), at(1215), at(375));
    ok_->setGeometry(at(3480), at(1800), at(1215), at(375));
}

int Form2::at(int twips) const {
    return qRound(px(twips) * unit_);
}

void Form2::fill() {
    const std::string& scores = keeper_.scores();
    for (int level = 1; level <= kRecordLevels; ++level) {
        const auto i = static_cast<std::size_t>(level - 1);
        //: After the three digits of a record's time, its blank included; it must end before
        //: the name column, about 100 pixels from the time's start.
        best_[i]->setText(text(timeText(scores, level)) + tr(" seconds"));
        best_[i + kRecordLevels]->setText(text(nameText(scores, level)));
        best_[i]->adjustSize();
        best_[i + kRecordLevels]->adjustSize();
    }
}

void Form2::open() {
    fill();
    QDialog::open();
}

void Form2::Reset_Click() {
    QMessageBox question(QMessageBox::NoIcon, tr("Reset?"), tr("Are you sure?"),
                         QMessageBox::Ok | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("resetQuestion"));
    question.setPalette(dialogPalette());
    question.setDefaultButton(QMessageBox::Ok);
    if (question.exec() != QMessageBox::Ok) {
        return;
    }
    keeper_.scorereset();
    fill();  // the default records, or the ones still in force if the reset failed
}

}  // namespace records
