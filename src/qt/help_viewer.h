#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "view/help_index.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace zerdo {

// The help window: the topics of the three languages (Qt resources under
// :/help) in a browser, with a keyword search beside it. open() shows the
// contents topic of a context number, search() the keyword search, close()
// hides the window.
class HelpViewer {
 public:
  HelpViewer() = default;
  ~HelpViewer();
  HelpViewer(const HelpViewer&) = delete;
  HelpViewer& operator=(const HelpViewer&) = delete;

  void open(const std::string& file, int context);
  void search(const std::string& file, const std::string& keyword);
  void close();
  // Where the search learns the game's language (language_code 0..2); without
  // it the search uses the language of the topic opened last.
  void set_language_source(std::function<int()> source) { language_source_ = std::move(source); }
  // The window, nullptr until the help was first opened.
  QWidget* window() const { return window_; }

  // The search field and the results list (named for screen readers).
  QLineEdit* search_field() const { return search_field_; }
  QListWidget* results() const { return results_; }
  // The topic shown.
  QTextBrowser* page() const { return browser_; }

 private:
  void ensure_window();
  // Shows the topic of file; a keyword found in it is marked and scrolled to.
  void show_topic(const std::string& file, const std::string& keyword = {});
  void set_language(int code);
  void name_search_pane();
  void fill_results();
  void open_result(const QListWidgetItem* item);
  const std::vector<IndexEntry>& index_of(int code);

  QPointer<QWidget> window_;
  QTextBrowser* browser_ = nullptr;
  QWidget* search_pane_ = nullptr;
  QComboBox* language_box_ = nullptr;
  QLineEdit* search_field_ = nullptr;
  QListWidget* results_ = nullptr;
  int language_ = 0;
  std::function<int()> language_source_;
  std::map<int, std::vector<IndexEntry>> indexes_;
};

}  // namespace zerdo
