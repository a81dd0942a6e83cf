#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>

namespace q5300::ui {

// The cell editor: a line edit laid over one cell of the grid. It ends when it
// loses the focus (Enter, Esc, a click elsewhere, a scroll, a command that
// focuses the grid), but not to its own right-click menu, and reports once:
// the text, or nothing after Esc.
class CellEditor final : public QLineEdit {
  Q_OBJECT

 public:
  struct Outcome {
    int row = 0;
    int column = 0;
    std::optional<QString> text;  // nothing when cancelled
    bool byEnter = false;
  };
  using Report = std::function<void(const Outcome&)>;

  // `grid` takes the focus back when Enter, Esc, Up or Down ends the edit.
  CellEditor(QWidget* parent, QWidget* grid, int row, int column, const QString& text,
              Report report);

  int row() const { return row_; }
  int column() const { return column_; }
  bool digitsOnly() const { return digitsOnly_; }
  // The edit has ended; the editor goes once the event loop runs.
  bool finished() const { return finished_; }
  // Ends the edit now, keeping the text, as losing the focus does.
  void Commit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Finish();
  // Enter, Esc, Up, Down: the grid takes the focus, which ends the edit.
  void EndByKey();
  void GrowToText();
  bool OwnPopupIsOpen() const;

  QWidget* grid_;
  int row_;
  int column_;
  bool digitsOnly_;
  bool cancelled_ = false;
  bool byEnter_ = false;
  bool finished_ = false;
  Report report_;
};

}  // namespace q5300::ui
