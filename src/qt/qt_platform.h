#pragma once
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "host/disk_files.h"
#include "host/file_settings.h"
#include "host/source_random.h"
#include "host/system_clock.h"
#include "play/platform.h"
#include "qt/help_viewer.h"
#include "services/settings_store.h"

class QWidget;

namespace zerdo {

// Turns a filter list "Description|pattern|Description|pattern" (patterns
// separated by ";") into the form of the file dialog,
// "Description (pattern);;Description (pattern)".
QString qt_file_filter(const std::string& filter);

// A file name between Qt and the game: the game keeps names as the system's
// bytes, Qt as text; both ways go through the system's encoding of file
// names, never through UTF-8 by itself.
std::string file_name_bytes(const QString& name);
QString file_name_text(const std::string& bytes);

// The platform of the game under Qt Widgets.
class QtPlatform : public Platform, public Dialogs, public Printing, public Help, public Screen {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // The main window: owner of boxes and dialogs, source of the window state.
  void set_window(QWidget* window) { window_ = window; }
  // Called before any box or window opens, so the main window is repainted
  // with the current model first.
  void set_before_modal(std::function<void()> f) { before_modal_ = std::move(f); }
  // The factor the board is shown at (1 for 100 %): the secondary windows
  // and the boxes follow it.
  void set_zoom_source(std::function<qreal()> f) { zoom_ = std::move(f); }

  // Replacements of the interactive parts, for tests: when set, they answer
  // instead of a box, window or dialog.
  std::function<Answer(const MessageBox&)> message_hook;
  // From now on nobody reads the boxes (the game ends by a signal): a box
  // with only OK is written to the standard error output and not shown.
  void set_unattended() { unattended_ = true; }
  std::function<void(Form&, FormHandler&)> form_hook;
  std::function<std::string(FileDialogKind, const std::string&, const std::string&)> file_hook;
  // Where the last file dialog was asked to open.
  FileDialogStart last_file_dialog_start;
  // Answers the print dialog or the PDF save dialog: the PDF file to write
  // (for the printer too: it then prints into that file), the solution
  // option and the patterns option; nullopt cancels.
  struct PrintChoice {
    std::string path;
    bool with_solution = false;
    bool colour_marks = true;
  };
  std::function<std::optional<PrintChoice>(const PrintJob&)> print_hook;

  HelpViewer& help_viewer() { return help_; }
  SettingsStore& store() { return settings_.store(); }

  Dialogs& dialogs() override { return *this; }
  Printing& printing() override { return *this; }
  Help& help() override { return *this; }
  Screen& screen() override { return *this; }
  Clock& clock() override { return clock_; }
  Random& random() override { return random_; }
  Settings& settings() override { return settings_; }
  Files& files() override { return files_; }
  Answer message_box(const MessageBox& box) override;
  void show_modal(Form& form, FormHandler& handler) override;
  std::string file_dialog(FileDialogKind kind, const std::string& title,
                          const std::string& filter) override;
  std::string file_dialog_at(FileDialogKind kind, const std::string& title,
                             const std::string& filter, const FileDialogStart& start) override;
  PrintResult print_puzzle(const PrintJob& job, PrintChoices* chosen) override;
  void help_open(const std::string& file, int context) override;
  void help_search(const std::string& file, const std::string& keyword) override;
  void help_close() override;
  std::optional<std::string> system_info_program() override;
  bool launch(const std::string& program) override;
  WindowState window_state() override;
  Int screen_width() override;
  Int screen_height() override;
  std::string locale_name() override;

 private:
  QWidget* dialog_parent() const;
  void prepare_modal();
  // The PDF save dialog with the solution option.
  std::optional<PrintChoice> pdf_dialog(const PrintJob& job);

  QPointer<QWidget> window_;
  std::function<void()> before_modal_;
  std::function<qreal()> zoom_;
  bool unattended_ = false;
  FileSettings settings_;
  DiskFiles files_;
  SourceRandom random_;
  SystemClock clock_;
  HelpViewer help_;
};

}  // namespace zerdo
