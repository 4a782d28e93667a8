#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

// The About window: the banner, the game's name, the copyright notice and the credits.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    QFrame* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
};
