#include "windows/common/pictures.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

// The resources live in a static library: nothing would pull them into the program unless
// something names them.
static void initialiseResources() { Q_INIT_RESOURCE(norvex5); }

namespace norvex5 {

namespace {

QPixmap loadResource(const QString& path) {
    static const bool initialised = (initialiseResources(), true);
    (void)initialised;
    return QPixmap(path);
}

}  // namespace

void layOutGrid(const GridPanel& grid, const BoxLayout& layout, const QPixmap& picture, int highestNumber) {
    if (grid.panel == nullptr || grid.picture == nullptr) throw LayoutError("no panel");
    if (picture.isNull()) throw LayoutError("ticket picture missing");

    QLabel* image = grid.picture;
    image->setPixmap(picture);
    const int height = layout.pictureHeight.value_or(picture.height());
    image->setGeometry(kPictureLeft, kPictureTop, picture.width(), height);

    for (QObject* child : grid.panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        const int tag = widget->property("tag").toInt();
        widget->setVisible(tagVisible(tag, highestNumber));
    }
    for (int n = 1; n < static_cast<int>(grid.boxes.size()); ++n) {
        if (grid.boxes[n] == nullptr || !layout.boxes[n]) continue;
        grid.boxes[n]->move(layout.boxes[n]->left, layout.boxes[n]->top);
    }
}

QPixmap loadTicketPicture(TicketPicture picture) {
    const std::string_view name = ticketPictureName(picture);
    return loadResource(
        QStringLiteral(":/tickets/%1.jpg").arg(QLatin1String(name.data(), static_cast<int>(name.size()))));
}

QPixmap loadBoxPicture(BoxPictureKind kind) {
    switch (kind) {
        case BoxPictureKind::Empty: return loadResource(QStringLiteral(":/boxes/imagevide.png"));
        case BoxPictureKind::Ticked: return loadResource(QStringLiteral(":/boxes/imagecochee.png"));
        case BoxPictureKind::Fixed: return loadResource(QStringLiteral(":/boxes/imagefixe.png"));
    }
    return {};
}

QPixmap loadProgramIcon() { return loadResource(QStringLiteral(":/norvex5.png")); }

QPixmap loadButtonIcon(const char* name) {
    return loadResource(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

}  // namespace norvex5
