// The floor: an empty Qt Widgets window with Form1's title and client size, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Form1");
    window.resize(497, 338);
    window.show();
    return QApplication::exec();
}
