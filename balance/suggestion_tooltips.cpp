#include "balance/suggestion_tooltips.h"

#include <optional>

#include "balance/aervik.h"
#include "balance/decision_note.h"
#include "balance/heat_balance.h"

namespace {

using climate::Slot;

// Gives the label of `slot` the figures behind what it suggests: the equipment the counters put
// there, or in the first place the no-equipment text.
void SetNote(const TGaervik &w, climate::TLinkLabel *label, Slot slot) {
  const std::optional<climate::Equipment> kind = climate::EquipmentIn(slot, w.balance);
  // A suggestion text is shown only between a complete calculation and the next change of
  // an input, so the lists still hold the choices the calculation used.
  const int row = w.box3->currentIndex();
  const int column = w.box5->currentIndex();
  QString note;
  if (!label->text().isEmpty() && (kind || slot == Slot::First) && row >= 0 && column >= 0) {
    const auto dew_point = static_cast<float>(climate::kDewPointTable.at(row).at(column));
    note = QString::fromStdString(climate::DecisionNote(w.balance, dew_point, kind, w.t_lang));
  }
  label->setToolTip(note);
  label->setAccessibleDescription(note);
}

}  // namespace

void RefreshSuggestionTooltips(TGaervik &w) {
  SetNote(w, w.name_p1, Slot::First);
  SetNote(w, w.name_p2, Slot::Second);
}
