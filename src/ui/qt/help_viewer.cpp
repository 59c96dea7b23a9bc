#include "ui/qt/help_viewer.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace zerdo {

HelpViewer::~HelpViewer() { delete window_; }

void HelpViewer::ensure_window() {
  if (window_) return;
  window_ = new QWidget(nullptr, Qt::Window);
  window_->setWindowTitle(QStringLiteral("Zerdo Hilfe"));
  window_->resize(560, 480);
  auto* layout = new QVBoxLayout(window_);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(window_);
  browser_->setOpenExternalLinks(false);
  layout->addWidget(browser_);
}

void HelpViewer::open(const std::string& file, int context) {
  ensure_window();
  browser_->setHtml(QStringLiteral("<h2>Zerdo</h2><p>%1</p><p>Topic %2</p>")
                        .arg(QString::fromStdString(file).toHtmlEscaped())
                        .arg(context));
  window_->show();
  window_->raise();
}

void HelpViewer::search(const std::string& file, const std::string& keyword) {
  ensure_window();
  browser_->setHtml(QStringLiteral("<h2>Zerdo</h2><p>%1</p><p>Search: %2</p>")
                        .arg(QString::fromStdString(file).toHtmlEscaped(),
                             QString::fromStdString(keyword).toHtmlEscaped()));
  window_->show();
  window_->raise();
}

void HelpViewer::close() {
  if (window_) window_->hide();
}

}  // namespace zerdo
