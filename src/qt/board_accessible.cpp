#include "qt/board_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "model/pictures.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
#include "qt/form_dialog.h"
#include "qt/reading_box.h"
#include "qt/status_bar.h"
#include "texts/access.h"
#include "view/board_reader.h"

namespace zerdo {

namespace {

using Key = std::pair<int, int>;  // kind and index of an item

Key key_of(const ReaderItem& item) { return {static_cast<int>(item.kind), item.index}; }

// What every leaf of the tree shares: it lives inside owner (the board or the
// status bar), with no object and no children of its own.
template <class Owner>
class LeafAccessible : public QAccessibleInterface {
 public:
  explicit LeafAccessible(Owner* owner) : owner_(owner) {}

  bool isValid() const override { return owner_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return owner_ ? QAccessible::queryAccessibleInterface(owner_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

 protected:
  QPointer<Owner> owner_;
};

// One piece, field or card of the board, found again by its key each time a
// screen reader asks (the board changes under it).
class ItemAccessible : public LeafAccessible<BoardWidget> {
 public:
  ItemAccessible(BoardWidget* board, Key key) : LeafAccessible(board), key_(key) {}

  bool isValid() const override { return item() != nullptr; }
  QString text(QAccessible::Text t) const override {
    const ReaderItem* i = item();
    if (!i) return {};
    if (t == QAccessible::Name) return QString::fromStdString(i->name);
    if (t == QAccessible::Description) return QString::fromStdString(i->description);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const ReaderItem* i = item();
    if (!i || !owner_) return {};
    const QRectF twips(i->left, i->top, i->width, i->height);
    const QRect r =
        owner_->to_widget(QRectF(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel))
            .toAlignedRect();
    return QRect(owner_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override {
    switch (static_cast<ReaderItem::Kind>(key_.first)) {
      case ReaderItem::Kind::Piece:
        return QAccessible::Graphic;
      case ReaderItem::Kind::Field:
      case ReaderItem::Kind::StockPlace:
        return QAccessible::Cell;
      case ReaderItem::Kind::Card:
        break;
    }
    return QAccessible::StaticText;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!item()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.focused = owner_ && owner_->hasFocus() && owner_->cursor_item() == key_;
    s.selected = owner_ && owner_->carried_piece() != 0 &&
                 key_ == Key{static_cast<int>(ReaderItem::Kind::Piece), owner_->carried_piece()};
    return s;
  }

 private:
  const ReaderItem* item() const {
    if (!owner_) return nullptr;
    for (const ReaderItem& i : owner_->reader_items())
      if (key_of(i) == key_) return &i;
    return nullptr;
  }

  Key key_;
};

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardWidget* board)
      : QAccessibleWidget(board, QAccessible::Pane), board_(board) {}
  ~BoardAccessible() override {
    for (const auto& [key, id] : children_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(board_->reader_items().size()); }
  QAccessibleInterface* child(int index) const override {
    const auto& items = board_->reader_items();
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return child_of(key_of(items[static_cast<std::size_t>(index)]));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto& items = board_->reader_items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      const auto it = children_.find(key_of(items[i]));
      if (it != children_.end() && QAccessible::accessibleInterface(it->second) == child)
        return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = childCount() - 1; i >= 0; --i)
      if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const std::optional<std::pair<int, int>> at = board_->cursor_item();
    return board_->hasFocus() && at ? child_of(*at) : nullptr;
  }

 private:
  QAccessibleInterface* child_of(Key key) const {
    auto it = children_.find(key);
    if (it == children_.end())
      it = children_
               .emplace(key,
                        QAccessible::registerAccessibleInterface(new ItemAccessible(board_, key)))
               .first;
    return QAccessible::accessibleInterface(it->second);
  }

  BoardWidget* board_;
  mutable std::map<Key, QAccessible::Id> children_;
};

// One panel of the status bar: its text, and its tool tip as description.
class PanelAccessible : public LeafAccessible<StatusBar> {
 public:
  PanelAccessible(StatusBar* bar, int panel) : LeafAccessible(bar), panel_(panel) {}
  QString text(QAccessible::Text t) const override {
    if (!owner_) return {};
    const StatusPanel& p = owner_->panels()[static_cast<std::size_t>(panel_)];
    if (t == QAccessible::Name) return QString::fromStdString(p.text).simplified();
    if (t == QAccessible::Description) return QString::fromStdString(p.tooltip);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!owner_) return {};
    const QRect r = owner_->panel_rect(panel_).toAlignedRect();
    return QRect(owner_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override { return {}; }

 private:
  int panel_;
};

class StatusBarAccessible : public QAccessibleWidget {
 public:
  explicit StatusBarAccessible(StatusBar* bar)
      : QAccessibleWidget(bar, QAccessible::StatusBar), bar_(bar) {}
  ~StatusBarAccessible() override {
    for (const QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override { return 4; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= 4) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new PanelAccessible(bar_, index + 1));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < 4; ++i)
      if (ids_[static_cast<std::size_t>(i)] &&
          QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child)
        return i;
    return -1;
  }

 private:
  StatusBar* bar_;
  mutable std::array<QAccessible::Id, 4> ids_{};
};

// What a screen reader tells of a secondary window's painted controls: its
// labels, and on the solution window each field with its piece and whether
// the player had it wrong.
struct FormItem {
  QString name, description;
  QRectF twips;
};

std::vector<FormItem> read_form(const Form& form) {
  std::vector<FormItem> items;
  const auto rect = [](const Control& c) { return QRectF(c.left, c.top, c.width, c.height); };
  for (const Control& c : form.controls.all()) {
    if (!c.visible) continue;
    const QString caption = QString::fromStdString(c.caption.value_or("")).trimmed();
    switch (c.role) {
      case Role::Title:
      case Role::Text:
        if (!caption.isEmpty()) items.push_back({caption, {}, rect(c)});
        break;
      case Role::SolutionField: {
        // The piece whose middle lies on the field.
        QString piece;
        for (const Control& p : form.controls.all())
          if (p.role == Role::SolutionPiece && p.visible && rect(c).contains(rect(p).center()))
            piece = QString::fromStdString(piece_words(p.picture, form.language_code));
        QString description = piece;
        if (c.wrong) description += QStringLiteral(", ") + caption;
        const std::string_view field = in(reader_words::kField, form.language_code);
        items.push_back({QString::fromUtf8(field.data(), static_cast<int>(field.size())) +
                             QLatin1Char(' ') + QString::number(c.index + 1),
                         description, rect(c)});
        break;
      }
      default:
        break;
    }
  }
  return items;
}

class FormItemAccessible : public LeafAccessible<FormDialog> {
 public:
  FormItemAccessible(FormDialog* dialog, int index) : LeafAccessible(dialog), index_(index) {}
  bool isValid() const override { return item().has_value(); }
  QString text(QAccessible::Text t) const override {
    const auto i = item();
    if (!i) return {};
    if (t == QAccessible::Name) return i->name;
    if (t == QAccessible::Description) return i->description;
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const auto i = item();
    if (!i || !owner_) return {};
    // Where the window shows it, at the window's factor.
    const qreal f = owner_->factor();
    const QRect r =
        QRectF(i->twips.topLeft() / kTwipsPerPixel * f, i->twips.size() / kTwipsPerPixel * f)
            .toAlignedRect();
    return QRect(owner_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override { return {}; }

 private:
  std::optional<FormItem> item() const {
    if (!owner_) return std::nullopt;
    const std::vector<FormItem> items = read_form(owner_->form());
    if (index_ < 0 || index_ >= static_cast<int>(items.size())) return std::nullopt;
    return items[static_cast<std::size_t>(index_)];
  }
  int index_;
};

// A secondary window: its painted labels and fields first, then its real
// buttons and text box.
class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(FormDialog* dialog)
      : QAccessibleWidget(dialog, QAccessible::Dialog), dialog_(dialog) {}
  ~FormAccessible() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return dialog_->windowTitle();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return painted() + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    const int n = painted();
    if (index < 0) return nullptr;
    if (index >= n) return QAccessibleWidget::child(index - n);
    while (static_cast<int>(ids_.size()) <= index)
      ids_.push_back(QAccessible::registerAccessibleInterface(
          new FormItemAccessible(dialog_, static_cast<int>(ids_.size()))));
    return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < ids_.size(); ++i)
      if (QAccessible::accessibleInterface(ids_[i]) == child) return static_cast<int>(i);
    const int native = QAccessibleWidget::indexOfChild(child);
    return native < 0 ? -1 : native + painted();
  }

 private:
  int painted() const { return static_cast<int>(read_form(dialog_->form()).size()); }
  FormDialog* dialog_;
  mutable std::vector<QAccessible::Id> ids_;
};

// A line of a box read line by line: its name and what it says.
class LineAccessible : public LeafAccessible<ReadingBox> {
 public:
  LineAccessible(ReadingBox* box, int index) : LeafAccessible(box), index_(index) {}
  bool isValid() const override { return line() != nullptr; }
  QString text(QAccessible::Text t) const override {
    const ReaderLine* l = line();
    if (!l) return {};
    if (t == QAccessible::Name) return QString::fromStdString(l->name);
    if (t == QAccessible::Description) return QString::fromStdString(l->description);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!owner_) return {};
    return QRect(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override { return {}; }

 private:
  const ReaderLine* line() const {
    if (!owner_ || index_ < 0 || index_ >= static_cast<int>(owner_->lines().size())) return nullptr;
    return &owner_->lines()[static_cast<std::size_t>(index_)];
  }
  int index_;
};

// A box read line by line: its lines, then its buttons; its text as one
// label is left out, since the lines tell it.
class ReadingBoxAccessible : public QAccessibleWidget {
 public:
  explicit ReadingBoxAccessible(ReadingBox* box)
      : QAccessibleWidget(box, QAccessible::Dialog), box_(box) {}
  ~ReadingBoxAccessible() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return box_->windowTitle();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return lines() + static_cast<int>(native().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    if (index >= lines()) {
      const std::vector<QAccessibleInterface*> rest = native();
      const auto i = static_cast<std::size_t>(index - lines());
      return i < rest.size() ? rest[i] : nullptr;
    }
    while (static_cast<int>(ids_.size()) <= index)
      ids_.push_back(QAccessible::registerAccessibleInterface(
          new LineAccessible(box_, static_cast<int>(ids_.size()))));
    return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < ids_.size(); ++i)
      if (QAccessible::accessibleInterface(ids_[i]) == child) return static_cast<int>(i);
    const std::vector<QAccessibleInterface*> rest = native();
    for (std::size_t i = 0; i < rest.size(); ++i)
      if (rest[i] == child) return lines() + static_cast<int>(i);
    return -1;
  }

 private:
  int lines() const { return static_cast<int>(box_->lines().size()); }
  // The box's own children but its labels (the text and the icon).
  std::vector<QAccessibleInterface*> native() const {
    std::vector<QAccessibleInterface*> out;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
      QAccessibleInterface* c = QAccessibleWidget::child(i);
      if (c && c->role() != QAccessible::StaticText && c->role() != QAccessible::Graphic)
        out.push_back(c);
    }
    return out;
  }
  ReadingBox* box_;
  mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* make_interface(const QString& class_name, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (class_name == QLatin1String("zerdo::BoardWidget"))
    return new BoardAccessible(static_cast<BoardWidget*>(object));
  if (class_name == QLatin1String("zerdo::FormDialog"))
    return new FormAccessible(static_cast<FormDialog*>(object));
  if (class_name == QLatin1String("zerdo::ReadingBox") &&
      !static_cast<ReadingBox*>(object)->lines().empty())
    return new ReadingBoxAccessible(static_cast<ReadingBox*>(object));
  if (class_name == QLatin1String("zerdo::StatusBar"))
    return new StatusBarAccessible(static_cast<StatusBar*>(object));
  return nullptr;
}

}  // namespace

void install_accessible_interfaces() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(make_interface);
}

void announce_cursor(BoardWidget& board) {
  if (!QAccessible::isActive()) return;
  const std::optional<std::pair<int, int>> at = board.cursor_item();
  if (!at) return;
  const auto& items = board.reader_items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (key_of(items[i]) != *at) continue;
    QAccessibleEvent focus(&board, QAccessible::Focus);
    focus.setChild(static_cast<int>(i));
    QAccessible::updateAccessibility(&focus);
    return;
  }
}

}  // namespace zerdo
