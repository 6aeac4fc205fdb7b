#include "windows/common/pictures.h"

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

QPixmap loadTicketPicture(TicketPicture picture) {
    return loadResource(
        QStringLiteral(":/tickets/%1.jpg").arg(QLatin1String(picture.data(), static_cast<int>(picture.size()))));
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
