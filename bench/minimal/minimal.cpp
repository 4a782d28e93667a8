// The yardstick for the game's start-up: a Qt Widgets window with the game's client area, its
// two menus and fifteen hidden controls. Built with BNG_MINIMAL_SOUND it also links Qt
// Multimedia and gives a QSoundEffect the wave file named by its argument, as a program with
// a sound ready at start-up would.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#ifdef BNG_MINIMAL_SOUND
#include <QSoundEffect>
#include <QUrl>
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* client = new QWidget(&window);
    client->setFixedSize(323, 162);
    window.setCentralWidget(client);

    QWidget* controls[] = {
        new QFrame(client),      new QLabel(QStringLiteral("Face"), client),
        new QLabel(client),      new QLabel(client),
        new QLabel(client),      new QLabel(client),
        new QLabel(client),      new QLabel(client),
        new QLineEdit(client),   new QLineEdit(client),
        new QLineEdit(client),   new QPushButton(QStringLiteral("GO!"), client),
        new QPushButton(client), new QPushButton(client),
        new QPushButton(client),
    };
    for (QWidget* control : controls) {
        control->setGeometry(8, 8, 64, 20);
        control->setVisible(false);
    }

    QMenu* options = window.menuBar()->addMenu(QStringLiteral("Options"));
    options->addAction(QStringLiteral("Standard Game"));
    options->addAction(QStringLiteral("Dynamic"));
    options->addAction(QStringLiteral("No upper limit"));
    options->addSeparator();
    options->addAction(QStringLiteral("Exit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Help"));
    help->addSeparator();
    help->addAction(QStringLiteral("License"));
    help->addAction(QStringLiteral("About"));

#ifdef BNG_MINIMAL_SOUND
    QSoundEffect sound;
    if (argc > 1)
        sound.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
#endif

    window.show();
    return QApplication::exec();
}
