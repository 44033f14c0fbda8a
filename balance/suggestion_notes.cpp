#include "balance/suggestion_notes.h"

#include <optional>

#include "balance/aervik.h"
#include "balance/decision_note.h"
#include "balance/heat_balance.h"

namespace {

using climate::SuggestionKind;

// The kind of equipment each slot shows, by the counters: the heater is always the first
// suggestion, a fan or cooling unit is the second exactly when a heater is needed.
std::optional<SuggestionKind> FirstKind(const TGaervik &w) {
  if (w.balance.heat > 0) return SuggestionKind::Heater;
  if (w.balance.vent == 1) return SuggestionKind::Fan;
  if (w.balance.cooler == 1) return SuggestionKind::Cooler;
  return SuggestionKind::NoEquipment;
}

std::optional<SuggestionKind> SecondKind(const TGaervik &w) {
  if (w.balance.vent == 1) return SuggestionKind::Fan;
  if (w.balance.cooler == 1) return SuggestionKind::Cooler;
  return std::nullopt;
}

void SetNote(const TGaervik &w, climate::TLinkLabel *label,
             const std::optional<SuggestionKind> &kind) {
  const QString text = label->text();
  // A suggestion text is shown only between a complete calculation and the next change of
  // an input, so the lists still hold the choices the calculation used.
  const int row = w.box3->currentIndex();
  const int column = w.box5->currentIndex();
  QString note;
  if (!text.isEmpty() && kind && row >= 0 && column >= 0) {
    climate::DecisionFigures f;
    static_cast<climate::BalanceFields &>(f) = w.balance;
    f.dew_point = static_cast<float>(climate::kDewPointTable.at(row).at(column));
    note = QString::fromStdString(climate::DecisionNote(f, *kind, w.t_lang));
  }
  label->setToolTip(note);
  label->setAccessibleDescription(note);
}

}  // namespace

void RefreshSuggestionNotes(TGaervik &w) {
  SetNote(w, w.name_p1, FirstKind(w));
  SetNote(w, w.name_p2, SecondKind(w));
}
