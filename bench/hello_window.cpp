// The smallest Qt Widgets program that shows a window: what the start-up
// benchmark compares the program's start with, built the same way.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel hello(QStringLiteral("Hello, world"));
    hello.show();
    return app.exec();
}
