// For scale: the empty window with one line of text, which is all it takes to load the fonts.
#include <QLabel>

#include "probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Norvex5"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("NORVEX5"));
    window.setFixedSize(663, 464);
    auto* text = new QLabel(QStringLiteral("NORVEX5"), &window);
    text->move(10, 10);
    window.show();
    reportReadyWhenShown(application, window);
}
