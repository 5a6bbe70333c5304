#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro");
    QWidget window;
    window.setWindowTitle("Quintaro");
    window.setFixedSize(800, 600);
    window.show();
    return app.exec();
}
