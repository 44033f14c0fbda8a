#include "report/text_report.h"

namespace climate {

namespace {
const char kCrLf[] = "\r\n";
}  // namespace

std::string BuildReportText(const TextReportInput &in) {
  std::string text;
  if (in.heat > 0) {
    text += "Обогрев воздуха:";
    text += kCrLf;
    text += in.heater_list;
    text += kCrLf;
    text += kCrLf;
  }
  if (in.cooler > 0) {
    text += "Кондиционер воздуха:";
    text += kCrLf;
    text += in.cooler_list;
  }
  if (in.vent > 0) {
    text += "Вентиляторы воздуха:";
    text += kCrLf;
    text += in.fan_list;
  }
  return text;
}

std::string ReportFileText(const TextReportInput &in) {
  return BuildReportText(in) + kCrLf;
}

std::string ReportFileName(const std::string &chosen) {
  return chosen + ".txt";
}

}  // namespace climate
