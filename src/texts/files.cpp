#include "texts/files.h"

#include <string>
#include <utility>

namespace zerdo {

MessageText load_error_message(int reason, int line, int item, long long value,
                               std::string_view file_name, int language_code) {
  namespace t = load_refused;
  const Texts none{};
  const Texts& row = reason >= 0 && static_cast<std::size_t>(reason) < kLoadReasons.size()
                         ? kLoadReasons[static_cast<std::size_t>(reason)]
                         : none;
  std::string text(in(row, language_code));
  // The program's own message: in English, and without a reason line.
  const int lang = text.empty() ? 1 : language_code;
  for (auto [mark, number] :
       {std::pair<std::string_view, long long>{"{L}", line}, {"{I}", item}, {"{V}", value}}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), std::to_string(number));
  }
  if (!text.empty()) text += "\n";
  return {std::string(in(t::kTitle, lang)), std::string(in(kFileWord, lang)) + "\n" +
                                                std::string(file_name) + "\n\n" + text +
                                                std::string(in(t::kNotLoaded, lang))};
}

std::string failure_words(int code, int language_code) {
  for (const FailureWords& row : kFailureWords)
    if (row.code == code) return std::string(in(row.words, language_code));
  std::string text(in(kOtherFailure, language_code));
  text.replace(text.find("{N}"), 3, std::to_string(code));
  return text;
}

MessageText save_error_message(std::string_view file_name, int language_code) {
  namespace t = save_failed;
  return {std::string(in(t::kTitle, language_code)),
          std::string(in(kFileWord, language_code)) + "\n" + std::string(file_name) + "\n\n" +
              std::string(in(t::kReason, language_code))};
}

}  // namespace zerdo
