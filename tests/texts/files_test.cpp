#include "texts/files.h"

#include <gtest/gtest.h>

#include "catalogue/puzzle_file.h"

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

}  // namespace
}  // namespace zerdo
