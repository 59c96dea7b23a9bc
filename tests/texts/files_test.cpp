#include "texts/files.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "catalogue/puzzle_file.h"
#include "services/file_access.h"

namespace zerdo {
namespace {

// The message box for a file the reader refused with result.
MessageText refused(const LoadResult& result, std::string_view file_name, int language_code) {
  return load_error_message(static_cast<int>(result.error), result.line, result.item, result.value,
                            file_name, language_code);
}

TEST(PuzzleFileMessages, KeepTheProgramsTextForAWrongRowAndSpeakTheLanguageOtherwise) {
  const MessageText row = refused({LoadError::WrongRowNumber, 4, 1, 3}, "/tmp/x.zdo", 0);
  EXPECT_EQ(row.title, "NOT a Zerdo-file");
  EXPECT_EQ(row.text, "File =\n/tmp/x.zdo\n\nNO file loaded.");
  const MessageText de = refused({LoadError::ValueOutOfRange, 3, 2, 10}, "a.zdo", 0);
  EXPECT_EQ(de.title, "KEINE Zerdo-Datei");
  EXPECT_EQ(de.text,
            "Datei =\na.zdo\n\nZeile 3, Wert 2: 10 ist nicht erlaubt.\nKEINE Datei geladen.");
  const MessageText en = refused({LoadError::CannotOpen, 0, 0, 0}, "a.zdo", 1);
  EXPECT_EQ(en.text, "File =\na.zdo\n\nThe file cannot be opened.\nNO file loaded.");
  const MessageText vl = refused({LoadError::TooManyPictures, 11, 13, 17}, "a.zdo", 2);
  EXPECT_EQ(vl.title, "GEEN Zerdo-bestand");
  EXPECT_EQ(vl.text,
            "Bestand =\na.zdo\n\nPrent 17 wordt meer dan 4 keer gebruikt.\nGEEN bestand geladen.");
}

// Why a file could not be written, in the player's words: never the
// system's English inside a German box, the game's own refusals included.
TEST(FailureWords, SpeakThePlayersLanguage) {
  const struct {
    int code, language;
    std::string words;
  } cases[] = {
      {ENOSPC, 0, "Auf dem Datenträger ist kein Platz mehr frei."},
      {ENOSPC, 1, "There is no space left on the disk."},
      {EACCES, 2, "De toegang is niet toegestaan."},
      {kNotOrdinaryFile, 0,
       "An ihrer Stelle steht keine gewöhnliche Datei (ein Gerät oder eine Pipe); sie bleibt, "
       "wie sie ist."},
      {kLinkToNoStore, 1, "The link leads to no settings file of the game; it is left as it is."},
      {kIsTheStore, 1, "The file is the game's settings file."},
      {kStoreInUse, 2, "Een andere kopie van het spel houdt het instellingenbestand vergrendeld."},
      {EXDEV, 0, "Fehler Nummer " + std::to_string(EXDEV) + "."},  // no words of its own
      {EXDEV, 7, "Fehler Nummer " + std::to_string(EXDEV) + "."},  // an unknown language: German
  };
  for (const auto& c : cases)
    EXPECT_EQ(failure_words(c.code, c.language), c.words) << c.code << " " << c.language;
  // Every refusal of the game's own has words of its own.
  for (const int refusal :
       {kNotOrdinaryFile, kFileTooLarge, kLinkToNoStore, kIsTheStore, kStoreInUse})
    EXPECT_EQ(failure_words(refusal, 1).find("Error number"), std::string::npos) << refusal;
}

}  // namespace
}  // namespace zerdo
