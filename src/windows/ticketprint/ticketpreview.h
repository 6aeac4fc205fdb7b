#pragma once
// The print preview: the pages a run would print, one at a time at their true size on the screen,
// with buttons to turn the pages. Whoever opens it paints the pages onto the preview's printer
// with the same code that prints them, so the preview cannot differ from the paper.

#include <QDialog>
#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace norvex5 {

class TicketPreview : public QDialog {
    Q_OBJECT

public:
    struct Texts {
        QString title;
        QString pageOf;  // "%1" the page shown, "%2" the page count
        QString previous;
        QString next;
        QString close;
    };

    // Builds the pages at once by calling `paint` with the preview's printer.
    TicketPreview(QPrinter& printer, std::function<void(QPrinter&)> paint, const Texts& texts,
                  QWidget* parent = nullptr);

    int pageCount() const;
    int currentPage() const;

    void showPreviousPage();
    void showNextPage();

private:
    void connectHandlers();
    void showPageNumber();

    std::function<void(QPrinter&)> paint_;
    QString pageOf_;
    QPrintPreviewWidget* pages_ = nullptr;
    QPushButton* previous_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace norvex5
