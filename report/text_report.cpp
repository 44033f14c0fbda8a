#include "report/text_report.h"

namespace climate {

namespace {
const char kCrLf[] = "\r\n";
}  // namespace

std::string BuildReportText(const BalanceFields &in, const ReportLists &lists) {
  std::string text;
  if (in.heat > 0) {
    text += "Обогрев воздуха:";
    text += kCrLf;
    text += lists.heater;
    text += kCrLf;
    text += kCrLf;
  }
  if (in.cooler > 0) {
    text += "Кондиционер воздуха:";
    text += kCrLf;
    text += lists.cooler;
  }
  if (in.vent > 0) {
    text += "Вентиляторы воздуха:";
    text += kCrLf;
    text += lists.fan;
  }
  return text;
}

std::string ReportFileText(const BalanceFields &counters, const ReportLists &lists) {
  return BuildReportText(counters, lists) + kCrLf;
}

std::string ReportFileName(const std::string &chosen) {
  return chosen + ".txt";
}

}  // namespace climate
