// The yardstick: an empty Qt Widgets window of the same size, started the same way.
#include "probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Norvex5"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("NORVEX5"));
    window.setFixedSize(663, 464);
    window.show();
    reportReadyWhenShown(application, window);
}
