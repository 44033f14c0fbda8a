#include "selection/selection_form.h"
#include "app/interface_language.h"
#include "app/lang.h"

namespace climate {

TSelectionForm::TSelectionForm(QWidget *parent, const QString &name, QSize client)
    : TForm(parent, name, client, QStringLiteral("Tahoma"), true) {}

void TSelectionForm::BuildList(const QRect &group, QWidget *buttons_parent, const QRect &button1,
                               const QRect &button2, const QRect &memo) {
  GroupBox1 = MakeGroup(this, QStringLiteral("GroupBox1"), group);
  Button1 =
      MakeButton(buttons_parent ? buttons_parent : GroupBox1, QStringLiteral("Button1"), button1);
  Button1->setEnabled(false);
  Button2 =
      MakeButton(buttons_parent ? buttons_parent : GroupBox1, QStringLiteral("Button2"), button2);
  Button2->setEnabled(false);
  Memo1 = new TMemo(GroupBox1, QStringLiteral("Memo1"), memo);
}

void TSelectionForm::showEvent(QShowEvent *event) {
  // Named for a screen reader in the language the window opens in.
  Memo1->setAccessibleName(InterfaceText(kListBoxName));
  TForm::showEvent(event);
}

void TSelectionForm::ClearList() {
  Memo1->clear();
  items_listed_ = false;
}

void TSelectionForm::Reset(SelectionReset variant) {
  ClearChoices();
  ClearList();
  if (variant == SelectionReset::PictureHiding || picture_hidden_by_every_reset_) Image1->hide();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  if (variant == SelectionReset::Full) ForgetItems();
}

}  // namespace climate
