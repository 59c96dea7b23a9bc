#pragma once
#include "texts/texts.h"

namespace zerdo {

// A puzzle put on paper (printed or exported as PDF), and the marks the
// player puts on the clue cards.
namespace msg {

// The head of the printed page: the puzzle's name, then its range and level.
constexpr Texts kPaperRange{"Bereich", "Range", "Bereik"};
constexpr Texts kPaperLevel{"Stufe", "Level", "Groep"};
// The head of the second page, which shows the board solved.
constexpr Texts kPaperSolution{"Lösung", "Solution", "Oplossing"};
// The option in the print and export dialogs that adds the second page.
constexpr Texts kPaperWithSolution{"Zweite Seite mit der Lösung", "Second page with the solution",
                                   "Tweede pagina met de oplossing"};
// The option in the same dialogs that gives every coloured picture the
// pattern of its colour, checked until the player turns it off.
constexpr Texts kPaperPatterns{"Farben auch als Muster (für Schwarzweißdrucker)",
                               "Colours as patterns too (for black-and-white printers)",
                               "Kleuren ook als patroon (voor zwart-witprinters)"};
constexpr Texts kPrintTitle{"Rätsel drucken", "Print puzzle", "Puzzel afdrukken"};
constexpr Texts kPdfTitle{"Als PDF exportieren", "Export as PDF", "Exporteren als PDF"};
constexpr Texts kPdfFilter{"PDF-Dokumente|*.pdf", "PDF documents|*.pdf", "PDF-documenten|*.pdf"};
// When the paper could not be made; the PDF text is followed by the file's name.
constexpr Texts kPrintFailed{"Das Rätsel konnte nicht gedruckt werden.",
                             "The puzzle could not be printed.",
                             "De puzzel kon niet afgedrukt worden."};
constexpr Texts kPdfFailed{
    "Die PDF-Datei konnte nicht geschrieben werden: ", "The PDF file could not be written: ",
    "Het PDF-bestand kon niet geschreven worden: "};
constexpr Texts kPrintUnavailable{"Drucken ist auf diesem System nicht möglich.",
                                  "Printing is not available on this system.",
                                  "Afdrukken is niet mogelijk op dit systeem."};

// A clue card the player has ticked off: added to the card's name.
constexpr Texts kCardMarked{"abgehakt", "ticked off", "afgevinkt"};

}  // namespace msg

}  // namespace zerdo
