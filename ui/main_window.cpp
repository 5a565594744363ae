// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

#include "ui/screen_scale.h"

namespace ui {

namespace {

constexpr int kTickMs = 1000;

// The names of the sets; those that name a desktop's look are proper names.
constexpr std::array<const char*, game::kTileSets> kTileSetCaptions = {
    QT_TRANSLATE_NOOP("ui::MainWindow", "Windows 98"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Windows 2000"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Black and White"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Color Blocks (Windows 2000)"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Shades of Grey"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Landscape"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Dice"),
    QT_TRANSLATE_NOOP("ui::MainWindow", "Larger Windows 98"),
};

}  // namespace

MainWindow::MainWindow(game::Module1& settings, game::RandomSource& random,
                       const QString& bestTimesPath, QWidget* parent)
    : QMainWindow(parent),
      field_(new FieldWidget(this)),
      second_(new QTimer(this)),
      form_(settings, *this, random),
      keeper_(settings, records::BestTimesFile(bestTimesPath), this) {
    setWindowTitle(QStringLiteral("Fieldclear"));  // a name, the same in every language
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(PictureStore::icon(16)));
    icon.addPixmap(QPixmap::fromImage(PictureStore::icon(32)));
    setWindowIcon(icon);
    setCentralWidget(field_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the layout never follows a resize
    field_->setRoom([this] { return fieldRoom(); });

    createGameMenu();
    createGraphicsMenu();

    second_->setObjectName(QStringLiteral("Second"));
    second_->setInterval(kTickMs);
    second_->setTimerType(Qt::PreciseTimer);
    connect(second_, &QTimer::timeout, this, [this] { form_.Second_Timer(); });
    connect(field_, &FieldWidget::boxPressed, this,
            [this](int k, game::Button b) { form_.Box_MouseDown(k, b); });
    connect(field_, &FieldWidget::boxReleased, this,
            [this](int k, game::Button b) { form_.Box_MouseUp(k, b); });
    connect(field_, &FieldWidget::facePressed, this, [this] { form_.Smile_MouseDown(); });
    connect(field_, &FieldWidget::faceReleased, this, [this] { form_.Smile_MouseUp(); });

    form_.Form_Load();
}

QAction* MainWindow::addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void MainWindow::createGameMenu() {
    QMenu* game = menuBar()->addMenu(tr("Game"));
    game->setObjectName(QStringLiteral("mnuGame"));

    //: The menus have no access keys, in any language.
    QAction* newGame = addItem(game, "mnuNew", tr("New Game"));
    newGame->setShortcut(Qt::Key_F2);
    connect(newGame, &QAction::triggered, this, [this] { form_.mnuNew_Click(); });
    game->addSeparator();

    levelItems_ = {
        addItem(game, "mnuBeginner", tr("Beginner")),
        addItem(game, "mnuIntermediate", tr("Intermediate")),
        addItem(game, "mnuHard", tr("Expert")),
        addItem(game, "mnuCustom", tr("Custom...")),
    };
    for (QAction* item : levelItems_) {
        item->setCheckable(true);
    }
    connect(levelItems_[0], &QAction::triggered, this, [this] { form_.mnuBeginner_Click(); });
    connect(levelItems_[1], &QAction::triggered, this, [this] { form_.mnuIntermediate_Click(); });
    connect(levelItems_[2], &QAction::triggered, this, [this] { form_.mnuHard_Click(); });
    connect(levelItems_[3], &QAction::triggered, this, &MainWindow::mnuCustom_Click);
    game->addSeparator();

    marks_ = addItem(game, "mnuMarks", tr("Marks (?)"));
    marks_->setCheckable(true);
    connect(marks_, &QAction::triggered, this, [this] { form_.mnuMarks_Click(); });
    //: Colour pictures; always greyed out.
    addItem(game, "mnuColor", tr("Color"))->setEnabled(false);
    game->addSeparator();

    QAction* best = addItem(game, "mnuBest", tr("Best Times..."));
    connect(best, &QAction::triggered, this, &MainWindow::mnuBest_Click);
    game->addSeparator();

    QAction* exit = addItem(game, "mnuExit", tr("Exit"));
    connect(exit, &QAction::triggered, qApp, &QApplication::quit);
}

void MainWindow::createGraphicsMenu() {
    QMenu* graphics = menuBar()->addMenu(tr("Graphics"));
    graphics->setObjectName(QStringLiteral("mnuGraphics"));
    for (int i = 0; i < game::kTileSets; ++i) {
        QAction* item = addItem(graphics, "mnuGFX", tr(kTileSetCaptions[i]));
        item->setObjectName(QStringLiteral("mnuGFX%1").arg(i));
        // A set is offered once its pictures are in the program.
        item->setEnabled(PictureStore::exists(game::tilePicture(i, game::Tile::Covered)));
        connect(item, &QAction::triggered, this, [this, i] { form_.mnuGFX_Click(i); });
    }
}

// The screen's free area less the menu bar and the frame, which stays unknown (and so is
// counted as none) until the window manager reports it.
QSize MainWindow::fieldRoom() const {
    const QScreen* s = screen();
    if (s == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    return s->availableGeometry().size() - frame - QSize(0, menuBar()->sizeHint().height());
}

// Fits the field to the screen as far as the window is known by now, then centres it.
void MainWindow::fitToScreen() {
    field_->fitToScreen();
    adjustSize();
    centre();
}

void MainWindow::centre() {
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

// The frame is unknown until the window is shown, and some window managers report it only once
// the window is on screen: centre again at each of those moments.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        fitToScreen();
        frameUnknown_ = frameGeometry() == geometry();
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (frameUnknown_ && frameGeometry() != geometry()) {
        frameUnknown_ = false;
        fitToScreen();
    }
}

void MainWindow::buildField(int across, int down, int tile) {
    field_->build(across, down, tile, form_.state().levelnum);
    adjustSize();
    centre();
}

void MainWindow::showBox(int k, game::PictureId picture) {
    field_->showBox(k, picture);
}

void MainWindow::showFace(game::PictureId picture) {
    field_->showFace(picture);
}

void MainWindow::startClock() {
    second_->start();
}

void MainWindow::stopClock() {
    second_->stop();
}

void MainWindow::checkLevel(game::Level level) {
    for (std::size_t i = 0; i < levelItems_.size(); ++i) {
        levelItems_[i]->setChecked(static_cast<int>(i) + 1 == static_cast<int>(level));
    }
}

void MainWindow::checkMarks(bool checked) {
    marks_->setChecked(checked);
}

void MainWindow::mnuBest_Click() {
    if (best_ == nullptr) {
        best_ = new records::Form2(keeper_, PictureStore::bestTimesPanel(QLocale().name()), this);
    }
    // The dialog opens over this window, on its screen, whichever that is by now.
    const qreal ratio = devicePixelRatioF();
    best_->setScale(ScreenScale(ratio).factor(), ratio);
    best_->open();
}

void MainWindow::mnuCustom_Click() {
    form_.mnuCustom_Click();
    if (custom_ == nullptr) {
        const game::Module1& m = form_.settings();
        custom_ = new records::Form3(m.across, m.down, m.totalmines, this);
        connect(custom_, &QDialog::accepted, this, [this] {
            const records::CustomFieldEntry e = custom_->entry();
            form_.applyCustomField(e.across, e.down, e.totalmines);
        });
        connect(custom_, &QDialog::rejected, this, [this] { form_.cancelCustomField(); });
    }
    custom_->open();
}

void MainWindow::scoreload() {
    keeper_.scoreload();
}

void MainWindow::scorecheck() {
    // A screen reader speaks the win before a record's prompt takes the keyboard; a win with
    // no record waits for nothing, and the next key plays at once.
    keeper_.scorecheck(static_cast<int>(form_.state().levelnum), form_.state().seconds,
                       [this] { field_->waitForNewsRead(); });
}

}  // namespace ui
