#include "windows/ticketprint/ticketpreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace norvex5 {

TicketPreview::TicketPreview(QPrinter& printer, std::function<void(QPrinter&)> paint, const Texts& texts,
                             QWidget* parent)
    : QDialog(parent), paint_(std::move(paint)), pageOf_(texts.pageOf) {
    setObjectName(QStringLiteral("ticketPreview"));
    setWindowTitle(texts.title);

    pages_ = new QPrintPreviewWidget(&printer, this);
    pages_->setObjectName(QStringLiteral("previewPages"));
    pages_->setViewMode(QPrintPreviewWidget::SinglePageView);
    // The marks are to be checked against a real ticket held to the screen: 100 % is the paper's
    // own size at the screen's resolution.
    pages_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    pages_->setZoomFactor(1.0);

    previous_ = new QPushButton(texts.previous, this);
    previous_->setObjectName(QStringLiteral("previousPage"));
    pageNumber_ = new QLabel(this);
    pageNumber_->setObjectName(QStringLiteral("pageNumber"));
    pageNumber_->setAlignment(Qt::AlignCenter);
    pageNumber_->setMinimumWidth(120);
    next_ = new QPushButton(texts.next, this);
    next_->setObjectName(QStringLiteral("nextPage"));
    close_ = new QPushButton(texts.close, this);
    close_->setObjectName(QStringLiteral("closePreview"));
    for (QPushButton* button : {previous_, next_, close_}) button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(pageNumber_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    connectHandlers();
    // The pages are painted now, so the page count is known before the window shows.
    pages_->updatePreview();
    showPageNumber();

    // A whole ticket at true size where the screen allows it.
    QSize size(900, 1000);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void TicketPreview::connectHandlers() {
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { paint_(*printer); });
    connect(pages_, &QPrintPreviewWidget::previewChanged, this, &TicketPreview::showPageNumber);
    connect(previous_, &QAbstractButton::clicked, this, &TicketPreview::showPreviousPage);
    connect(next_, &QAbstractButton::clicked, this, &TicketPreview::showNextPage);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::accept);
}

int TicketPreview::pageCount() const { return pages_->pageCount(); }
int TicketPreview::currentPage() const { return pages_->currentPage(); }

void TicketPreview::showPreviousPage() {
    pages_->setCurrentPage(pages_->currentPage() - 1);
    showPageNumber();
}

void TicketPreview::showNextPage() {
    pages_->setCurrentPage(pages_->currentPage() + 1);
    showPageNumber();
}

void TicketPreview::showPageNumber() {
    const int count = pages_->pageCount();
    const int page = count == 0 ? 0 : pages_->currentPage();
    pageNumber_->setText(QString(pageOf_)
                             .replace(QLatin1String("%1"), QString::number(page))
                             .replace(QLatin1String("%2"), QString::number(count)));
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < count);
}

}  // namespace norvex5
