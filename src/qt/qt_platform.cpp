#include "qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>

#include "qt/command_line.h"
#include "qt/control_painter.h"
#include "qt/file_icons.h"
#include "qt/form_dialog.h"
#include "qt/reading_box.h"
#include "records/records.h"
#include "records/settings_table.h"

namespace zerdo {

QString qt_file_filter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    if (patterns.isEmpty()) continue;
    // "Zerdo (*.zdo)" already names its pattern; the dialog reads the last
    // parenthesis, so it is not repeated.
    if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
      out << description;
    else
      out << (description.isEmpty() ? patterns : description) + QStringLiteral(" (") + patterns +
                 QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

std::string file_name_bytes(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString file_name_text(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

QtPlatform::QtPlatform() {
  // Temporaries of a puzzle file save cut short in an earlier run: in the
  // folder of the last puzzle file (the store's own went when it was read).
  const std::string last_folder =
      settings_.get_setting({}, std::string(kStoreSection), setting_key(Setting::LastFolder), "");
  if (!last_folder.empty()) remove_stale_temporaries(last_folder);
}

QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::dialog_parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return window_;
}

void QtPlatform::prepare_modal() {
  if (before_modal_) before_modal_();
}

Answer QtPlatform::message_box(const MessageBox& box) {
  if (unattended_ && box.buttons == Buttons::Ok) {
    std::fprintf(stderr, "%s: %s\n", box.title.c_str(), box.text.c_str());
    return Answer::Ok;
  }
  prepare_modal();
  if (message_hook) return message_hook(box);
  const QMessageBox::Icon icon = box.icon == Icon::Information   ? QMessageBox::Information
                                 : box.icon == Icon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon;
  const bool ask = box.buttons == Buttons::YesNoCancel;
  ReadingBox mb(icon, QString::fromStdString(box.title), QString::fromStdString(box.text),
                ask ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
                dialog_parent(), box.reading);
  mb.setTextFormat(Qt::PlainText);
  // Its lettering as large as the board's captions; a board zoomed out leaves
  // the box as it is.
  if (const qreal zoom = zoom_ ? zoom_() : 1.0; zoom > 1.0) mb.setFont(caption_font(zoom));
  mb.setDefaultButton(ask ? QMessageBox::Yes : QMessageBox::Ok);
  mb.setEscapeButton(ask ? QMessageBox::Cancel : QMessageBox::Ok);
  switch (mb.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return ask ? Answer::Cancel : Answer::Ok;
  }
}

void QtPlatform::show_modal(Form& form, FormHandler& handler) {
  prepare_modal();
  if (form_hook) {
    form_hook(form, handler);
    return;
  }
  FormDialog dialog(form, handler, dialog_parent(), zoom_ ? zoom_() : 1.0);
  dialog.exec();
}

std::string QtPlatform::file_dialog(FileDialogKind kind, const std::string& title,
                                    const std::string& filter) {
  return file_dialog_at(kind, title, filter, FileDialogStart{});
}

std::string QtPlatform::file_dialog_at(FileDialogKind kind, const std::string& title,
                                       const std::string& filter, const FileDialogStart& start) {
  prepare_modal();
  last_file_dialog_start = start;
  if (file_hook) return file_hook(kind, title, filter);
  QFileDialog dialog(dialog_parent(), QString::fromStdString(title));
  use_name_only_icons(dialog);
  // The folder of the last puzzle file, or home when there is none (any
  // more): never the folder the game happened to be started from.
  const QString folder = file_name_text(start.folder);
  dialog.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
  const QStringList filters = qt_file_filter(filter).split(QStringLiteral(";;"));
  dialog.setNameFilters(filters);
  const QString selected = filters.value(start.filter, filters.value(0));
  dialog.selectNameFilter(selected);
  if (kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension gets the selected entry's ("*.zdo").
    const QString pattern = selected.section(QLatin1Char('('), -1).section(QLatin1Char(')'), 0, 0);
    const QString suffix = pattern.section(QLatin1Char(' '), 0, 0).section(QLatin1String("*."), 1);
    if (!suffix.isEmpty() && !suffix.contains(QLatin1Char('*'))) dialog.setDefaultSuffix(suffix);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return file_name_bytes(dialog.selectedFiles().constFirst());
}

void QtPlatform::help_open(const std::string& file, int context) { help_.open(file, context); }

void QtPlatform::help_search(const std::string& file, const std::string& keyword) {
  help_.search(file, keyword);
}

void QtPlatform::help_close() { help_.close(); }

std::optional<std::string> QtPlatform::system_info_program() {
  for (const char* tool : {"hardinfo2", "hardinfo", "gnome-system-monitor", "plasma-systemmonitor",
                           "ksysguard", "xfce4-taskmanager"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!path.isEmpty()) return path.toStdString();
  }
  return std::nullopt;
}

bool QtPlatform::launch(const std::string& program) {
  return QProcess::startDetached(QString::fromStdString(program), {});
}

WindowState QtPlatform::window_state() {
  if (!window_) return WindowState::Normal;
  const Qt::WindowStates s = window_->windowState();
  if (s & Qt::WindowMinimized) return WindowState::Minimized;
  if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
  return WindowState::Normal;
}

namespace {
QRect available_screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

Int screen_twips(int pixels) { return clamp16(static_cast<long long>(pixels) * 15); }
}  // namespace

Int QtPlatform::screen_width() { return screen_twips(available_screen().width()); }

Int QtPlatform::screen_height() { return screen_twips(available_screen().height()); }

std::string QtPlatform::locale_name() { return message_locale(); }

}  // namespace zerdo
