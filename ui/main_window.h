// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_MAIN_WINDOW_H
#define FIELDCLEAR_UI_MAIN_WINDOW_H

#include <QMainWindow>
#include <QTimer>
#include <array>

#include "game/form1.h"
#include "records/best_times_dialog.h"
#include "records/custom_field_dialog.h"
#include "records/record_keeper.h"
#include "ui/field_widget.h"

class QAction;

namespace ui {

// The game's one window: the menus, the clock and the field widget, driving the rules.
// A new game resets it in place, as if it had been closed and opened again.
class MainWindow final : public QMainWindow, private game::Form1View {
    Q_OBJECT

public:
    // The best times are kept in the file at `bestTimesPath`.
    MainWindow(game::Module1& settings, game::RandomSource& random,
               const QString& bestTimesPath = records::BestTimesFile::standardPath(),
               QWidget* parent = nullptr);

    game::Form1& form() { return form_; }
    FieldWidget* field() const { return field_; }

private:
    void createGameMenu();
    void createGraphicsMenu();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption);
    QSize fieldRoom() const;
    void fitToScreen();
    void centre();
    void mnuBest_Click();
    void mnuCustom_Click();
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    void buildField(int across, int down, int tile) override;
    void showBox(int k, game::PictureId picture) override;
    void showFace(game::PictureId picture) override;
    void startClock() override;
    void stopClock() override;
    void checkLevel(game::Level level) override;
    void checkMarks(bool checked) override;
    void scoreload() override;
    void scorecheck() override;

    FieldWidget* field_;
    QTimer* second_;  // the game clock
    std::array<QAction*, 4> levelItems_{};
    QAction* marks_ = nullptr;
    game::Form1 form_;
    records::RecordKeeper keeper_;
    records::Form2* best_ = nullptr;    // made at its first opening
    records::Form3* custom_ = nullptr;  // made at its first opening
    bool frameUnknown_ = false;         // shown, but the window manager has not reported the frame
};

}  // namespace ui

#endif
