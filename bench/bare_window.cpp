// A bare Qt window of the main window's size: what the program's memory is measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(792, 598);
    window.show();
    return QApplication::exec();
}
