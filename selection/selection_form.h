// What the three selection windows have in common (Qt): their picture, the create and
// export buttons, the list box, and the main window's reset of them.
#pragma once

#include <QGroupBox>
#include <QPushButton>

#include <utility>

#include "app/controls.h"
#include "app/form.h"
#include "app/pictures.h"
#include "balance/workflow.h"
#include "selection/selection_result.h"

namespace climate {

class TSelectionForm : public TForm {
 public:
  TSelectionForm(QWidget *parent, const QString &name, QSize client);

  TImage *Image1 = nullptr;
  QGroupBox *GroupBox1 = nullptr;  // the list of equipment
  QPushButton *Button1 = nullptr;  // create specification
  QPushButton *Button2 = nullptr;  // export to report
  TMemo *Memo1 = nullptr;

  // The main window's reset: the window's choices cleared, the list emptied, the picture
  // hidden by the picture-hiding variant, both buttons disabled; the full reset also forgets
  // the items, so that nothing of an earlier calculation reaches a report.
  void Reset(SelectionReset variant);
  // Whether the list shows the result of the create that chose the items: only then do the
  // items belong in the workbook.
  bool ItemsListed() const { return items_listed_; }

 protected:
  void showEvent(QShowEvent *event) override;
  // Builds the list group with the list box and the two buttons, both disabled; the
  // buttons lie in `buttons_parent` (the group itself, or the window above it).
  void BuildList(const QRect &group, QWidget *buttons_parent, const QRect &button1,
                 const QRect &button2, const QRect &memo);
  // Empties the list: its items leave the workbook.
  void ClearList();
  // Takes what the window's create made: its fields, its list text, and whether the list now
  // shows its result. Returns the last.
  template <class Fields>
  bool Created(SelectionResult<Fields> made, Fields &fields) {
    fields = std::move(made.fields);
    if (made.list_text) Memo1->setText(QString::fromStdString(*made.list_text));
    items_listed_ = made.listed;
    return made.listed;
  }

  // The window's own part of the reset: its lists and options back to nothing chosen.
  virtual void ClearChoices() = 0;
  // Forgets the items of the last create.
  virtual void ForgetItems() = 0;
  // Every reset hides the picture, not only the picture-hiding one.
  bool picture_hidden_by_every_reset_ = false;

 private:
  bool items_listed_ = false;
};

}  // namespace climate
