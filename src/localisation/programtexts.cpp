#include "localisation/programtexts.h"

#include <array>

namespace norvex5 {

namespace {

// One row's texts in language-code order: French, English, Portuguese, Spanish, Italian,
// Croatian, German. Every cell is filled: unlike the message table, these rows have no history
// of empty cells to keep.
using Row = std::array<std::string_view, kLanguageCount>;

constexpr std::array<Row, kProgramTextCount> kRows = {{
    {"Aperçu avant impression", "Print preview", "Pré-visualizar impressão", "Vista previa de impresión",
     "Anteprima di stampa", "Pregled ispisa", "Druckvorschau"},
    {"Page %1 sur %2", "Page %1 of %2", "Página %1 de %2", "Página %1 de %2", "Pagina %1 di %2", "Stranica %1 od %2",
     "Seite %1 von %2"},
    {"Page précédente", "Previous page", "Página anterior", "Página anterior", "Pagina precedente",
     "Prethodna stranica", "Vorherige Seite"},
    {"Page suivante", "Next page", "Página seguinte", "Página siguiente", "Pagina successiva", "Sljedeća stranica",
     "Nächste Seite"},
    {"Fermer", "Close", "Fechar", "Cerrar", "Chiudi", "Zatvori", "Schließen"},
    {"Traitement en cours…", "Working…", "A processar…", "Procesando…", "Elaborazione in corso…", "Obrada u tijeku…",
     "Wird bearbeitet…"},
    {"Annuler", "Cancel", "Cancelar", "Cancelar", "Annulla", "Odustani", "Abbrechen"},
    {"Choisir l'imprimante", "Choose the printer", "Escolher a impressora", "Elegir la impresora",
     "Scegliere la stampante", "Odaberite pisač", "Drucker wählen"},
    {"Fichier PDF…", "PDF file…", "Ficheiro PDF…", "Archivo PDF…", "File PDF…", "PDF datoteka…", "PDF-Datei…"},
    {"« %1 » n'est pas un nombre entier valide", "'%1' is not a valid integer value",
     "'%1' não é um número inteiro válido", "'%1' no es un número entero válido", "'%1' non è un numero intero valido",
     "'%1' nije valjan cijeli broj", "'%1' ist keine gültige ganze Zahl"},
    {"Aucun programme n'a pu ouvrir l'aide. Vous la trouverez ici :\n%1",
     "No program could open the help. You will find it here:\n%1",
     "Nenhum programa conseguiu abrir a ajuda. Encontra-a aqui:\n%1",
     "Ningún programa pudo abrir la ayuda. La encontrará aquí:\n%1",
     "Nessun programma ha potuto aprire la guida. La trovi qui:\n%1",
     "Nijedan program nije mogao otvoriti pomoć. Pronaći ćete je ovdje:\n%1",
     "Kein Programm konnte die Hilfe öffnen. Sie finden sie hier:\n%1"},
    {"Impression de test", "Test print", "Impressão de teste", "Impresión de prueba", "Stampa di prova", "Probni ispis",
     "Testdruck"},
    {"Ce fichier n'est pas un fichier texte :\n%1", "This file is not a text file:\n%1",
     "Este ficheiro não é um ficheiro de texto:\n%1", "Este archivo no es un archivo de texto:\n%1",
     "Questo file non è un file di testo:\n%1", "Ova datoteka nije tekstualna datoteka:\n%1",
     "Diese Datei ist keine Textdatei:\n%1"},
    {"Ce fichier ne contient aucune grille après les lignes sautées :\n%1",
     "This file holds no board after the lines to skip:\n%1",
     "Este ficheiro não contém nenhuma grelha depois das linhas saltadas:\n%1",
     "Este archivo no contiene ninguna combinación después de las líneas saltadas:\n%1",
     "Questo file non contiene nessuna combinazione dopo le righe saltate:\n%1",
     "Ova datoteka nema nijedne kombinacije nakon preskočenih redaka:\n%1",
     "Diese Datei enthält nach den übersprungenen Zeilen keine Reihe:\n%1"},
    {"Les lignes de ce fichier ne contiennent pas cinq numéros séparés par « %2 » :\n%1",
     "The lines of this file do not hold five numbers separated by '%2':\n%1",
     "As linhas deste ficheiro não contêm cinco números separados por '%2':\n%1",
     "Las líneas de este archivo no contienen cinco números separados por '%2':\n%1",
     "Le righe di questo file non contengono cinque numeri separati da '%2':\n%1",
     "Redci ove datoteke ne sadrže pet brojeva odvojenih znakom '%2':\n%1",
     "Die Zeilen dieser Datei enthalten keine fünf durch '%2' getrennten Zahlen:\n%1"},
    {"Tous les fichiers", "All files", "Todos os ficheiros", "Todos los archivos", "Tutti i file", "Sve datoteke",
     "Alle Dateien"},
}};

}  // namespace

std::string_view programText(ProgramText text, LanguageCode language) {
    const auto row = static_cast<std::size_t>(text);
    if (row >= kRows.size()) return {};
    const int column = language >= 1 && language <= kLanguageCount ? language - 1 : 0;
    return kRows[row][static_cast<std::size_t>(column)];
}

}  // namespace norvex5
