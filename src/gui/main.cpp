#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvel::gui::MainWindow window;
    window.show();
    return app.exec();
}
