#pragma once

#include <QListWidget>
#include <QWidget>

// The License window: the agreement in a list the player scrolls through.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;
};
