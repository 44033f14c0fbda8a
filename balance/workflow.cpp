#include "balance/workflow.h"

#include "balance/aervik.h"
#include "balance/heat_balance.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

void ResetSelectionWindows(SelectionReset variant) {
  const bool all = variant == SelectionReset::Full;
  const bool hide_pictures = variant == SelectionReset::PictureHiding;

  if (all || Gaervik->sw_heat == 1) {
    heat_form->box1->setCurrentIndex(-1);
    // Unticking a ticked option runs its click handler, which empties the list as well.
    heat_form->check_compact->setChecked(false);
    heat_form->check_termo->setChecked(false);
    heat_form->Memo1->clear();
    if (hide_pictures) heat_form->Image1->hide();
    heat_form->Button1->setEnabled(false);
    heat_form->Button2->setEnabled(false);
  }
  if (all || Gaervik->sw_vent == 1) {
    vent_form->Point_sea->setCurrentIndex(-1);
    vent_form->Volt_vent->setCurrentIndex(-1);
    vent_form->Memo1->clear();
    if (hide_pictures) vent_form->Image1->hide();
    vent_form->Button1->setEnabled(false);
    vent_form->Button2->setEnabled(false);
  }
  if (all || Gaervik->sw_cool == 1) {
    cool_form->Type_cool->setCurrentIndex(-1);
    cool_form->Volt_cool->setCurrentIndex(-1);
    cool_form->Memo1->clear();
    cool_form->Image1->hide();
    cool_form->Button1->setEnabled(false);
    cool_form->Button2->setEnabled(false);
  }
}

void OpenFromFirstSuggestion() {
  if (Gaervik->heat == 1) {
    heat_form->ShowModal();
    Gaervik->sw_heat = 1;
  } else if (Gaervik->vent == 1) {
    vent_form->ShowModal();
    Gaervik->sw_vent = 1;
  } else if (Gaervik->cooler == 1) {
    cool_form->ShowModal();
    Gaervik->sw_cool = 1;
  }
}

void OpenFromSecondSuggestion() {
  if (Gaervik->vent == 1) {
    vent_form->ShowModal();
  } else if (Gaervik->cooler == 1) {
    cool_form->ShowModal();
  }
}

void HeaterExported() {
  Gaervik->Image2->FillAndDraw(climate::ButtonFace(), *Gaervik->ImageList1,
                               climate::kPicHeatersDone);
  if (Gaervik->vent == 0 && Gaervik->cooler == 0) Gaervik->Total_spec->setEnabled(true);
  Gaervik->heat += 1;
}

namespace {

// A fan or cooling unit is the second suggestion exactly when a heater is part of the
// solution.
climate::TImage *CoolingSlot() {
  return Gaervik->heat > 0 ? Gaervik->Image3 : Gaervik->Image2;
}

}  // namespace

void FanExported() {
  Gaervik->Total_spec->setEnabled(true);
  CoolingSlot()->FillAndDraw(climate::ButtonFace(), *Gaervik->ImageList1, climate::kPicFanDone);
}

void CoolerExported() {
  Gaervik->Total_spec->setEnabled(true);
  CoolingSlot()->FillAndDraw(climate::ButtonFace(), *Gaervik->ImageList1, climate::kPicCoolerDone);
}
