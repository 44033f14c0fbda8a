#include "balance/workflow.h"

#include "balance/aervik.h"
#include "balance/heat_balance.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"

void ResetSelectionWindows(SelectionReset variant) {
  const bool all = variant == SelectionReset::Full;
  if (all || Gaervik->sw_heat == 1) heat_form->Reset(variant);
  if (all || Gaervik->sw_vent == 1) vent_form->Reset(variant);
  if (all || Gaervik->sw_cool == 1) cool_form->Reset(variant);
}

climate::TForm *FirstSuggestionWindow() {
  if (Gaervik->balance.heat == 1) return heat_form;
  if (Gaervik->balance.vent == 1) return vent_form;
  if (Gaervik->balance.cooler == 1) return cool_form;
  return nullptr;
}

climate::TForm *SecondSuggestionWindow() {
  if (Gaervik->balance.vent == 1) return vent_form;
  if (Gaervik->balance.cooler == 1) return cool_form;
  return nullptr;
}

void OpenFromFirstSuggestion() {
  climate::TForm *window = FirstSuggestionWindow();
  if (window == nullptr) return;
  window->ShowModal();
  // Recorded once the window is closed, however that happened.
  if (window == heat_form) Gaervik->sw_heat = 1;
  if (window == vent_form) Gaervik->sw_vent = 1;
  if (window == cool_form) Gaervik->sw_cool = 1;
}

void OpenFromSecondSuggestion() {
  if (climate::TForm *window = SecondSuggestionWindow()) window->ShowModal();
}

namespace {

// Draws the exported equipment's picture with its check badge into the place it takes.
void MarkExported(climate::Equipment kind, int picture) {
  climate::TImage *box = climate::SlotOf(kind, Gaervik->balance) == climate::Slot::First
                             ? Gaervik->Image2
                             : Gaervik->Image3;
  box->FillAndDraw(climate::ButtonFace(), *Gaervik->ImageList1, picture);
}

}  // namespace

void HeaterExported() {
  MarkExported(climate::Equipment::Heater, climate::kPicHeatersDone);
  if (Gaervik->balance.vent == 0 && Gaervik->balance.cooler == 0)
    Gaervik->Total_spec->setEnabled(true);
  Gaervik->balance.heat += 1;
  Gaervik->RefreshSuggestionLinks();
}

void FanExported() {
  Gaervik->Total_spec->setEnabled(true);
  MarkExported(climate::Equipment::Fan, climate::kPicFanDone);
  Gaervik->RefreshSuggestionLinks();
}

void CoolerExported() {
  Gaervik->Total_spec->setEnabled(true);
  MarkExported(climate::Equipment::Cooler, climate::kPicCoolerDone);
  Gaervik->RefreshSuggestionLinks();
}
