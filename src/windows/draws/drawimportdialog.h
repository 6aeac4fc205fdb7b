#pragma once
// DrawImportDialog (objectName FormImportTirages): a file of past draws as a lottery operator
// publishes it, read into the draw history of the game type shown.
//
// How the pieces connect:
//  - The file's shape is guessed by the model (draws/drawfile.h) the moment it is chosen; every
//    guess sits in a control the player may correct, and each change reads the first 20 draws
//    again into the preview. Dates that read as day/month and month/day alike are asked about.
//  - Importing reads the whole file in the shape shown and hands its draws to the store in one
//    transaction (a LongPass, which Cancel stops with nothing added); the summary then lists how
//    many were added, how many were already there and every refused line by number and why.
//  - Whoever shows the list of stored draws hears of a finished import through onImported.

#include <QDialog>
#include <functional>
#include <optional>

#include "draws/drawfile.h"
#include "localisation/programtexts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace norvex5 {

class Texts;
class DrawHistory;
class Platform;

struct DrawImportControls {
    QLabel* fileName = nullptr;         // LabelFichierTirages
    QPushButton* chooseFile = nullptr;  // bChoisirFichier
    QLabel* separatorCaption = nullptr;
    QComboBox* separator = nullptr;     // ComboSeparateur; each entry's data is the character
    QLabel* headerCaption = nullptr;
    QSpinBox* headerLines = nullptr;    // SpinEntete
    QLabel* dateColumnCaption = nullptr;
    QSpinBox* dateColumn = nullptr;     // SpinColonneDate
    QLabel* dateOrderCaption = nullptr;
    QComboBox* dateOrder = nullptr;     // ComboOrdreDate; each entry's data is a DateOrder
    QLabel* numbersCaption = nullptr;
    QLineEdit* numberColumns = nullptr;  // EditColonnesNumeros: "5 6 7 8 9" or "2"
    QLabel* bonusCaption = nullptr;
    QLineEdit* bonusColumns = nullptr;   // EditColonnesComplementaires
    QLabel* fileColumns = nullptr;       // LabelColonnes
    QLabel* previewTitle = nullptr;      // LabelApercu
    QTableWidget* preview = nullptr;     // GrilleApercu
    QPlainTextEdit* summary = nullptr;   // TexteResume
    QPushButton* importButton = nullptr;  // bImporterTirages
    QPushButton* close = nullptr;         // BoutonFermer

    void build(QDialog& dialog);
};

class DrawImportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreviewDraws = 20;

    DrawImportDialog(const Texts& texts, Platform& platform, DrawHistory& history, QWidget* parent = nullptr);

    const DrawImportControls& controls() const { return controls_; }
    void setOnImported(std::function<void()> hook) { onImported_ = std::move(hook); }

    // Shows the dialog emptied, then asks for the file at once.
    void openAndChooseFile();

    // The handlers, as the player reaches them.
    void chooseFile();
    // Guesses the shape of `file` into the controls and shows its preview; false when the file
    // holds no draw (the player has been told why).
    bool loadFile(const QString& file);
    void showPreview();
    void importFile();
    void applyTexts();

private:
    void connectHandlers();
    void clearFile();
    void showShape(const draws::DrawFileShape& shape);
    draws::DrawFileShape shapeFromControls() const;
    // A date order for a file whose first lines leave it open: the whole file, then the player.
    draws::DateOrder decideDateOrder(draws::DrawFileShape shape);
    bool tellProblem(draws::DrawFileProblem problem, const std::string& readerError, std::int64_t line);
    QString text(ProgramText which) const;

    const Texts& texts_;
    Platform& platform_;
    DrawHistory& history_;
    DrawImportControls controls_;
    QString file_;
    draws::DrawFileShape guessed_;
    std::function<void()> onImported_;
};

}  // namespace norvex5
