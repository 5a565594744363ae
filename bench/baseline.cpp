// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Qt Widgets window of the game's kind: a main window with a one-menu bar and a
// fixed central widget of the Beginner field's size. The start-up probe measures the game
// against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("Exit"));
    auto* centre = new QWidget(&window);
    centre->setFixedSize(152, 195);
    window.setCentralWidget(centre);
    window.show();
    return QApplication::exec();
}
