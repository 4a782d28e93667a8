#pragma once

#include "TextBox.h"
#include "sound/SoundPlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <memory>

class QMainWindow;

namespace ui {

// The main window's controls and menus, built from the fixed design: every control starts
// hidden, and only the menu bar shows.
struct MainWindowDesign {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    QFrame* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    TextBox* Text3 = nullptr;
    QPushButton* Command1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text1 = nullptr;
    std::unique_ptr<sound::SoundPlayer> MMControl1;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

    QMenu* Options = nullptr;
    QAction* Standargame = nullptr;
    QAction* Dynamic = nullptr;
    QAction* Noupper = nullptr;
    QAction* lne = nullptr;
    QAction* exit = nullptr;
    QMenu* Help = nullptr;
    QAction* gamehlp = nullptr;
    QAction* lne2 = nullptr;
    QAction* License = nullptr;
    QAction* about = nullptr;

    // Builds the window; `messages` are every text the message line may show, which it is
    // made wide enough to hold.
    void setupUi(QMainWindow* window, const QStringList& messages);
};

} // namespace ui
