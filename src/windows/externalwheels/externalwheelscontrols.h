#pragma once
// The external wheels tab's controls, page by page, with their designed objectNames, laid out
// in rows and columns so that a longer language makes a control wider rather than cutting its
// caption. ExternalWheelsTab gives them their behaviour through these typed pointers; the
// captions come from externalTabTexts() and the program's own texts, never from here.

#include <QComboBox>
#include <array>
#include <span>

#include "windows/common/windowtexts.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace norvex5 {

class PreviewGridModel;

// The separator list. Its entries are the separators as a wheel file holds them, so what it
// reads is what the file is split at; the blank, which would show as nothing and could not be
// told from no choice at all, is shown under a name.
class SeparatorBox : public QComboBox {
public:
    explicit SeparatorBox(QWidget* parent = nullptr);
    void setBlankName(const QString& name);
    // What the closed box shows for the current entry.
    QString shownText() const;
    // What the open list shows for `entry`.
    QString shownText(const QString& entry) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString blankName_;
};

struct ExternalWheelsControls {
    static constexpr int kPageCount = 5;
    static constexpr int kGridABoxes = 50;
    static constexpr int kGridBBoxes = 9;

    QTabWidget* pages = nullptr;  // Pagecontrolfic, its tabs hidden
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;

    // 1: the file and how to read it.
    QLabel* fileName = nullptr;
    QLabel* numberingLine = nullptr;  // shown only for a file that writes its numbers from 0
    QPushButton* chooseFile = nullptr;
    QCheckBox* fromZero = nullptr;
    SeparatorBox* separator = nullptr;
    QComboBox* linesToSkip = nullptr;

    // 2 and 4: the file's first lines, raw and replaced.
    QLabel* rawInfo = nullptr;
    QTableView* rawGrid = nullptr;
    QLabel* replacedInfo = nullptr;
    QTableView* replacedGrid = nullptr;
    QPushButton* displayAll = nullptr;

    // 3: which real number replaces each wheel number.
    std::array<QComboBox*, kGridABoxes + 1> gridABoxes{};  // [1..50]
    std::array<QComboBox*, kGridBBoxes + 1> gridBBoxes{};  // [1..9]

    // 5: what is done with the boards.
    QComboBox* modelList = nullptr;
    QRadioButton* allAtOnce = nullptr;
    QRadioButton* oneByOne = nullptr;
    QPushButton* print = nullptr;
    QPushButton* printList = nullptr;
    QPushButton* exportList = nullptr;
    QPushButton* compare = nullptr;
    QPushButton* checkWheel = nullptr;

    void build(QWidget& tab, PreviewGridModel& raw, PreviewGridModel& replaced);

private:
    void buildFilePage(QWidget* page);
    QTableView* buildPreviewPage(QWidget* page, const char* gridName, const char* infoName, QLabel*& info,
                                 PreviewGridModel& model);
    void buildReplacementPage(QWidget* page);
    void buildActionPage(QWidget* page);
};

// Which control of the tab takes which message.
std::span<const WindowText> externalTabTexts();

// Sizes the columns of a preview grid to what its first rows hold, and the first column to the
// number of its last row: a field the file holds is seen whole, and so is why it is no number.
void fitPreviewColumns(QTableView& grid);

}  // namespace norvex5
