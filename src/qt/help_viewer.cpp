#include "qt/help_viewer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "drawing/looks.h"
#include "qt/drawing_replay.h"
#include "qt/piece_painter.h"
#include "texts/access.h"
#include "texts/captions.h"
#include "texts/help.h"

// The help resources live in the static Qt binding; registering them by hand
// keeps the linker from dropping them. Q_INIT_RESOURCE must stand outside any
// namespace.
static void init_help_resources() { Q_INIT_RESOURCE(help); }

namespace zerdo {

namespace {

constexpr int kCluePixels = static_cast<int>(drawing::kHelpPicturePixels);

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The browser of the help: pictures of the game are painted on request, so
// the topics show them exactly as the cards do.
//   zerdo-picture:N  picture id 1..25, 24 pixels
//   zerdo-card:...   a whole clue card (see parse_card_sketch)
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& url) override {
    if (type == QTextDocument::ImageResource) {
      if (url.scheme() == QLatin1String("zerdo-picture")) return picture(url.path().toInt());
      // A picture with the pattern of its colour, as the colour patterns of
      // the Setup menu draw it.
      if (url.scheme() == QLatin1String("zerdo-marked")) return picture(url.path().toInt(), true);
      if (url.scheme() == QLatin1String("zerdo-card")) {
        if (auto card = parse_card_sketch(url.path().toStdString())) return sketch(*card);
        return QImage();
      }
    }
    return QTextBrowser::loadResource(type, url);
  }

 private:
  static QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
  }

  static QImage picture(int id, bool colour_marks = false) {
    QImage img = blank(kCluePixels, kCluePixels);
    QPainter p(&img);
    paint_picture(p, QRectF(0, 0, kCluePixels, kCluePixels), id, colour_marks);
    return img;
  }

  // A card as the main window draws it: the piece at the left, the small
  // board of n x n cells to its right (the sketch of src/drawing).
  static QImage sketch(const CardSketch& card) {
    std::vector<drawing::SketchCell> cells;
    for (const auto& c : card.cells) cells.push_back({c.border, c.grey, c.cross, c.picture});
    const drawing::Rect size = drawing::card_sketch_size(card.side);
    QImage img = blank(static_cast<int>(size.w), static_cast<int>(size.h));
    QPainter p(&img);
    drawing::Drawing d;
    drawing::card_sketch(d, card.side, card.picture, cells);
    replay(p, d);
    return img;
  }
};

QString help_url(const std::string& file) {
  return QStringLiteral("qrc:/help/") + QString::fromStdString(file);
}

}  // namespace

HelpViewer::~HelpViewer() { delete window_; }

void HelpViewer::ensure_window() {
  if (window_) return;
  init_help_resources();
  window_ = new QWidget(nullptr, Qt::Window);
  window_->setWindowTitle(qt_text(kHelpWindowTitle));
  window_->resize(820, 560);
  auto* layout = new QVBoxLayout(window_);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = new QSplitter(window_);
  layout->addWidget(splitter);

  search_pane_ = new QWidget(splitter);
  auto* pane = new QVBoxLayout(search_pane_);
  language_box_ = new QComboBox(search_pane_);
  for (const std::string_view name : kLanguageNames) language_box_->addItem(qt_text(name));
  search_field_ = new QLineEdit(search_pane_);
  search_field_->setClearButtonEnabled(true);
  results_ = new QListWidget(search_pane_);
  pane->addWidget(language_box_);
  pane->addWidget(search_field_);
  pane->addWidget(results_);
  search_pane_->hide();
  name_search_pane();

  browser_ = new HelpBrowser(splitter);
  browser_->setOpenExternalLinks(false);
  splitter->setStretchFactor(1, 1);

  QObject::connect(language_box_, &QComboBox::currentIndexChanged, window_, [this](int i) {
    language_ = i;
    name_search_pane();
    fill_results();
  });
  QObject::connect(search_field_, &QLineEdit::textChanged, window_, [this] { fill_results(); });
  QObject::connect(search_field_, &QLineEdit::returnPressed, window_, [this] {
    if (results_->count() > 0) results_->setCurrentRow(0);
    if (QListWidgetItem* item = results_->currentItem()) open_result(item);
  });
  QObject::connect(results_, &QListWidget::itemActivated, window_,
                   [this](QListWidgetItem* item) { open_result(item); });
}

const std::vector<IndexEntry>& HelpViewer::index_of(int code) {
  auto it = indexes_.find(code);
  if (it != indexes_.end()) return it->second;
  std::vector<HelpTopic> topics;
  const QString folder =
      QString::fromLatin1(help_folder(code).data(), static_cast<int>(help_folder(code).size()));
  const QDir dir(QStringLiteral(":/help/") + folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) continue;
    const QByteArray html = f.readAll();
    topics.push_back(parse_help_topic(
        (folder + QLatin1Char('/') + name).toStdString(),
        std::string_view(html.constData(), static_cast<std::size_t>(html.size()))));
  }
  return indexes_[code] = keyword_index(topics);
}

void HelpViewer::fill_results() {
  results_->clear();
  const HelpSearch search =
      search_help(index_of(language_), search_field_->text().toStdString(), language_);
  for (const IndexEntry& e : search.found) {
    auto* item = new QListWidgetItem(
        QString::fromStdString(e.keyword + "  \xE2\x80\x93  " + e.title), results_);
    item->setData(Qt::UserRole, QString::fromStdString(e.file));
    item->setData(Qt::UserRole + 1, QString::fromStdString(e.keyword));
  }
  // Nothing found is said in the list, where the results would be: a line
  // that opens nothing.
  if (!search.nothing_found.empty()) {
    auto* line = new QListWidgetItem(QString::fromStdString(search.nothing_found), results_);
    line->setFlags(Qt::ItemIsEnabled);
  }
}

void HelpViewer::set_language(int code) {
  language_ = code >= 0 && code <= 2 ? code : 0;
  if (language_box_->currentIndex() != language_) language_box_->setCurrentIndex(language_);
  name_search_pane();
}

void HelpViewer::name_search_pane() {
  // The names a screen reader speaks for the search field and the results.
  search_field_->setAccessibleName(qt_text(in(reader_words::kSearchText, language_)));
  results_->setAccessibleName(qt_text(in(reader_words::kResults, language_)));
}

void HelpViewer::open_result(const QListWidgetItem* item) {
  // The line that says nothing was found opens nothing.
  const QString file = item->data(Qt::UserRole).toString();
  if (!file.isEmpty())
    show_topic(file.toStdString(), item->data(Qt::UserRole + 1).toString().toStdString());
}

void HelpViewer::show_topic(const std::string& file, const std::string& keyword) {
  browser_->setSource(QUrl(help_url(file)));
  window_->show();
  window_->raise();
  window_->activateWindow();
  if (!keyword.empty()) {
    // The keyword's first place in the topic, marked and in sight (the window
    // shown first, so that it knows its height): as a word of its own where
    // it stands so, else within a word.
    const QString word = QString::fromStdString(keyword);
    browser_->moveCursor(QTextCursor::Start);
    if (!browser_->find(word, QTextDocument::FindWholeWords)) browser_->find(word);
  }
}

void HelpViewer::open(const std::string& /*file*/, int context) {
  // The program's help file name stands for the help resources as a whole.
  ensure_window();
  const std::string topic = help_contents_topic(context);
  set_language(help_language_of(context));
  search_pane_->hide();
  name_search_pane();
  show_topic(topic);
}

void HelpViewer::search(const std::string& /*file*/, const std::string& keyword) {
  ensure_window();
  set_language(language_source_ ? language_source_() : language_);
  search_pane_->show();
  search_field_->setText(QString::fromStdString(keyword));
  fill_results();
  if (browser_->source().isEmpty()) show_topic(help_contents_topic(1200 + 10 * language_));
  window_->show();
  window_->raise();
  window_->activateWindow();
  search_field_->setFocus();
}

void HelpViewer::close() {
  if (window_) window_->hide();
}

}  // namespace zerdo
