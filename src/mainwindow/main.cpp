#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvex5"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("NORVEX5"));
    window.setFixedSize(663, 464);
    window.show();
    return app.exec();
}
