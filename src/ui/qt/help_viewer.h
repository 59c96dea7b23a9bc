#pragma once
#include <QPointer>
#include <QWidget>
#include <string>

class QTextBrowser;

namespace zerdo {

// The help window: one browser page per topic. open() shows the help file at
// a context number, search() its keyword search, close() hides the window.
class HelpViewer {
 public:
  HelpViewer() = default;
  ~HelpViewer();
  HelpViewer(const HelpViewer&) = delete;
  HelpViewer& operator=(const HelpViewer&) = delete;

  void open(const std::string& file, int context);
  void search(const std::string& file, const std::string& keyword);
  void close();
  // The window, nullptr until the help was first opened.
  QWidget* window() const { return window_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  void ensure_window();

  QPointer<QWidget> window_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace zerdo
