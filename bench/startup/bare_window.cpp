// The yardstick for start-up: a bare Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(996, 639);
    window.show();
    return QApplication::exec();
}
