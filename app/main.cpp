// Program entry.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kantarix"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kantarix"));
    window.showMaximized();
    return app.exec();
}
