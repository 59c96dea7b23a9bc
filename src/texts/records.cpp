#include "texts/records.h"

#include <string>

namespace zerdo {

MessageText record_check_message(int language_code) {
  namespace t = record_check;
  return {
      std::string(in(t::kTitle, language_code)),
      std::string(in(t::kLine1, language_code)) + "\n" + std::string(in(t::kLine2, language_code))};
}

MessageText intermediate_stop_message(int language_code) {
  namespace t = intermediate_stop;
  return {std::string(in(t::kTitle, language_code)), std::string(in(t::kText, language_code))};
}

MessageText records_not_saved_message(int language_code, std::string_view path,
                                      std::string_view reason) {
  return {std::string(msg::kTitle), std::string(in(kRecordsNotSaved, language_code)) + "\n" +
                                        std::string(path) + "\n\n" + std::string(reason)};
}

}  // namespace zerdo
