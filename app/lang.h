// Texts of the interface in Russian and English (Qt-free), side by side, one table per window.
//
// Every reader picks a text the same way: the Russian one when the language number is 1,
// then, separately, the English one when it is 2. Any other number sets nothing, so the
// target keeps what it had. Texts that exist in Russian only have no English one (nullptr):
// with the number 2 their target keeps what it had.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace climate {

inline constexpr int32_t kRussian = 1;
inline constexpr int32_t kEnglish = 2;

struct Text {
  const char *ru;
  const char *en;
};

template <class Setter>
void SetText(int32_t t_lang, const Text &text, Setter &&set) {
  if (t_lang == kRussian) set(text.ru);
  if (t_lang == kEnglish && text.en != nullptr) set(text.en);
}

// Writes the text of the language number into `target`; other numbers leave it unchanged.
inline void SetText(int32_t t_lang, const Text &text, std::string &target) {
  SetText(t_lang, text, [&target](const char *s) { target = s; });
}

// One entry of a window's text table: the control's object name (the window's own caption
// is "caption"), the item index for list items or -1, and the texts. A text that exists in
// Russian only has no English one (nullptr).
struct TextEntry {
  const char *control;
  int item;
  Text text;
};

// Messages of errors that the program reports in the error box, in the language of the
// interface (the main window's language number; Russian before it is set). Code far from the
// windows reads the language through a source the main window installs.
namespace error_texts {
inline constexpr Text kUnknown{"Неизвестная ошибка", "Unknown error"};
inline constexpr Text kPictureNotFound{"Не найдена картинка: ", "Picture not found: "};
inline constexpr Text kNoPicture{"Нет картинки с номером ", "No picture with the number "};
inline constexpr Text kNoControl{"Нет элемента окна для текста: ", "No control for the text: "};
inline constexpr Text kBadNumber{"Недопустимое значение в поле: ", "Invalid value in the field: "};
// A saved file that could not be put in place: %1 the file, %2 the cause.
inline constexpr Text kCannotWrite{"Не удалось записать файл «%1»: %2",
                                   "Could not write the file «%1»: %2"};
inline constexpr Text kWriteProtected{"файл защищён от записи", "the file is write-protected"};
inline constexpr Text kPermissionsNotKept{"не удалось перенести права доступа",
                                          "could not carry the access rights over"};
// Why a file was not written, the %2 of kCannotWrite. A file that is no regular file: %1 is
// what it is.
inline constexpr Text kNotRegularFile{
    "это не обычный файл, а %1; сохранение заменяет только обычные файлы",
    "it is %1, not a regular file; a save replaces regular files only"};
inline constexpr Text kKindNamedPipe{"именованный канал", "a named pipe"};
inline constexpr Text kKindDevice{"устройство", "a device"};
inline constexpr Text kKindSocket{"сокет", "a socket"};
inline constexpr Text kKindFolder{"папка", "a folder"};
inline constexpr Text kReadOnlyFileSystem{"файловая система доступна только для чтения",
                                          "the file system is read-only"};
inline constexpr Text kImmutable{"файл неизменяем (атрибут «i»)",
                                 "the file is immutable (attribute «i»)"};
inline constexpr Text kAppendOnly{"файл можно только дополнять (атрибут «a»)",
                                  "the file may only be appended to (attribute «a»)"};
inline constexpr Text kReplacedMeanwhile{"файл заменён другой программой во время сохранения",
                                         "another program replaced the file during the save"};
// Follows the cause when a file written in place was left half-written: %1 the copy of its
// previous contents.
inline constexpr Text kPreviousContentsKept{"прежнее содержимое файла сохранено в «%1»",
                                            "its previous contents are kept in «%1»"};
// A cause the system has no text for: %1 is its error code.
inline constexpr Text kSystemError{"системная ошибка %1", "system error %1"};
// The system's temporary folder: %1 its path, %2 the cause.
inline constexpr Text kTemporaryFolder{"временная папка «%1»: %2", "the temporary folder «%1»: %2"};
inline constexpr Text kTemporaryFolderMissing{"временной папки «%1» нет",
                                              "the temporary folder «%1» does not exist"};
inline constexpr Text kTemporaryFolderNotFolder{"временная папка «%1» — не папка",
                                                "the temporary folder «%1» is not a folder"};
}  // namespace error_texts

// The text in the interface's language: English for 2, Russian otherwise.
inline const char *InInterfaceLanguage(const Text &text, int32_t t_lang) {
  return t_lang == kEnglish && text.en != nullptr ? text.en : text.ru;
}

// The unit word that closes every specification line of the selection windows.
inline constexpr Text kUnitWord{"шт.", "pcs."};

// The accessible name of the selection windows' list boxes.
inline constexpr Text kListBoxName{"Список оборудования", "Specification"};

// The caption of the file dialogs of the save window.
inline constexpr Text kSaveAsCaption{"Сохранить как", "Save As"};

// Shown at a numeric field when text put into it (pasted or dropped) is not a number it takes.
inline constexpr Text kNotANumber{"Здесь нужно целое число от 0 до 9999",
                                  "A whole number from 0 to 9999 is needed here"};

// The toolkit's own texts that its Russian translation lacks: context, English, Russian.
struct ToolkitText {
  const char *context;
  const char *english;
  const char *russian;
};
inline constexpr std::array<ToolkitText, 7> kToolkitTexts{{
    {"QAbstractFileIconProvider", "Drive", "Диск"},
    {"QAbstractFileIconProvider", "File", "Файл"},
    {"QAbstractFileIconProvider", "File Folder", "Папка с файлами"},
    {"QAbstractFileIconProvider", "Folder", "Папка"},
    {"QAbstractFileIconProvider", "Alias", "Псевдоним"},
    {"QAbstractFileIconProvider", "Shortcut", "Ярлык"},
    {"QAbstractFileIconProvider", "Unknown", "Неизвестный"},
}};

// ---------------------------------------------------------------------------------------
// Main window.
namespace main_texts {

using Entry = TextEntry;

// The 32 texts that the two language switches set, in the order they set them.
inline constexpr std::array<Entry, 32> kSwitchTable{{
    {"caption",
     -1,
     {"Конфигуратор \"Norda aervik\" - Tervax - Ru",
      "Configurator \"Norda aervik\" - Tervax - EN"}},
    {"Lang_m_1", -1, {"Язык", "Language"}},
    {"Lang_m_2_1", -1, {"Русский", "Russian"}},
    {"Lang_m_2_2", -1, {"Английский", "English"}},
    {"GroupBox1",
     -1,
     {"1. Условная площадь поверхности шкафа", "1. Characteristics of the enclosure"}},
    {"label2", -1, {"Высота (В, мм):", "Height (H, mm):"}},
    {"label3", -1, {"Ширина (Ш, мм):", "Width (W, mm):"}},
    {"label4", -1, {"Глубина (Г, мм):", "Depth (D, mm):"}},
    {"label5", -1, {"Материал:", "Material:"}},
    {"box1", 0, {"Сталь", "Steal"}},
    {"box1", 1, {"Нержавейка", "INOX"}},
    {"box1", 2, {"Поликарбонат", "Polycarbonate"}},
    {"label6", -1, {"Установка:", "Install:"}},
    {"box2", 0, {"Доступ со всех сторон", "Free-standing single enclosure"}},
    {"box2", 1, {"Смонтирован у стены", "Ground and Wall mounted single enclosure"}},
    {"box2", 2, {"Смонтирован в конце сборки", "Ground-mounted first or last enclosure"}},
    {"box2", 3, {"Смонтирован в углу", "Mounted in corner"}},
    {"box2", 4, {"Смонтирован в центре сборки", "Ground-mounted middle enclosure"}},
    {"box2", 5, {"Смонтирован в нише", "Mounted in a wall"}},
    {"box2", 6, {"Смонтирован в нише и закрыт сверху", "Mounted in a wall and close on top"}},
    {"GroupBox2",
     -1,
     {"2. Мощность тепловыделения оборудования", "2. Heat generation of equipment"}},
    {"label8", -1, {"Мощность тепловыделения (Вт.):", "Heat generation (W):"}},
    {"GroupBox3", -1, {"3. Параметры окружающей среды", "3. Parametrs of environment"}},
    {"label9", -1, {"Макс. темп-ра окр. среды (С):", "Max. temp-re of environment (С):"}},
    {"label10", -1, {"Мин. темп-ра окр. среды (С):", "Min. temp-re of environment (С):"}},
    {"label11", -1, {"Ср. относ-я влаж-ть (%):", "Middle relative humidity (%):"}},
    {"GroupBox4", -1, {"4. Средняя температура внутри шкафа", "4. Temperature inside enclosure"}},
    {"label14", -1, {"Макс. темп-ра в шкафу (С):", "Max. temp-re in enclosure (С):"}},
    {"label15", -1, {"Мин. темп-ра в шкафу (С):", "Min. temp-re in enclosure (С):"}},
    {"GroupBox6", -1, {"5. Подбор типа оборудования ", "5. Choose type of equipment "}},
    {"Button1", -1, {">>Подобрать<<", ">>Choose<<"}},
    {"Total_spec", -1, {">>Итоговая спецификация<<", ">>Total specification<<"}},
}};

// The two design texts that differ from the Russian column of the switch table.
inline constexpr const char *kDesignCaption = "Конфигуратор \"Norda aervik\" - Tervax - RU";
inline constexpr const char *kDesignGroupBox4 = "4. Температура внутри шкафа";
// "&" marks the letter of the menu item's mnemonic (Alt+О).
inline constexpr const char *kDesignMenuAbout = "&О программе";

// Messages of the select button and of the inside-temperature check.
inline constexpr Text kMissingPrefix{"Не заполненно поле: ", "Please, choosing: "};
inline constexpr const char *kMissingMarker = "---> ";
inline constexpr Text kMinAboveMax{
    "Минимальная температура внутри шкафа не может быть больше максимальной, измените "
    "пожалуйста!",
    "Minimal temperature in enclosure could not more than maximum temterature, please change!"};
inline constexpr Text kZeroSurface{
    "Площадь поверхности шкафа при таких размерах равна нулю, расчет невозможен.\r"
    "Проверьте высоту, ширину и глубину!",
    "The surface of the enclosure is zero for these dimensions, no calculation is possible.\r"
    "Please check the height, width and depth!"};

// What a screen reader calls the two suggestion texts while they show nothing.
inline constexpr Text kFirstSuggestionName{"Первое предложение", "First suggestion"};
inline constexpr Text kSecondSuggestionName{"Второе предложение", "Second suggestion"};

// Suggestion texts.
inline constexpr Text kNoEquipment{"оборудование микроклимата\rне требуется!!",
                                   "No climate equipment\rrequired!!"};
inline constexpr Text kChooseHeater{"Выбрать обогреватель", "Choose heater"};
inline constexpr Text kChooseFan{"Выбрать вентилятор", "Choose fan"};
inline constexpr Text kChooseCooler{"Выбрать кондиционер", "Choose cooler"};
// The no-solution text is the same in both languages.
inline constexpr const char *kNoSolution =
    "Для указанного условия\rрешение в ассортименте Тервакс\rпока отстуствует!";

}  // namespace main_texts

// ---------------------------------------------------------------------------------------
// Heater window: texts in the language of the moment it opens.
namespace heat_texts {

// The captions that the window sets at every activation, in the order it sets them.
inline constexpr std::array<TextEntry, 11> kCaptionTable{{
    {"caption", -1, {"Подбор обогрева", "Choosing of heater"}},
    {"GroupBox6",
     -1,
     {"Режим работы установленного оборудования", "Mode of operation for equipment"}},
    {"Label2", -1, {"Режим работы:", "Mode of operation:"}},
    {"box1", 0, {"Постоянно", "Regular"}},
    {"box1", 1, {"Периодически", "Cycling"}},
    {"GroupBox2", -1, {"Дополнительные характеристики", "Additional characteristics"}},
    {"check_compact", -1, {"Использовать компактные обогреватели", "Use compact heaters"}},
    {"check_termo",
     -1,
     {"Использовать модель со встроенным термостатом", "Use heaters with termostat"}},
    {"GroupBox1", -1, {"Список оборудования", "Specification"}},
    {"Button1", -1, {"Создать спецификацию", "Create specification"}},
    {"Button2", -1, {"Экспорт в отчет", "Save into report"}},
}};

// The list text when no heater of the range is powerful enough: prefix, the required power
// in whole watts, suffix.
inline constexpr Text kNoSolutionPrefix{"Для мощности ", "For power "};
inline constexpr Text kNoSolutionSuffix{" Вт, решение отстутсвует!", " is not solution!"};

// The list text when the enclosure needs no heating power: the required power is 0 W or less.
inline constexpr Text kNoPowerRequired{
    "Требуемая мощность обогрева не больше 0 Вт, обогреватель не требуется.",
    "The required heating power is 0 W or less, no heater is needed."};

}  // namespace heat_texts

// ---------------------------------------------------------------------------------------
// Fan window: its own texts are Russian only; what create writes follows the language.
namespace vent_texts {

// The window's own texts, Russian whatever the language number; every activation sets them.
inline constexpr std::array<TextEntry, 14> kActivationTable{{
    {"caption", -1, {"Подбор вентилятора", nullptr}},
    {"GroupBox6", -1, {"Основные параметры", nullptr}},
    {"Label2", -1, {"Высота над уровнем моря:", nullptr}},
    {"Point_sea", 0, {"от 0 до 100", nullptr}},
    {"Point_sea", 1, {"от 100 до 250", nullptr}},
    {"Point_sea", 2, {"от 250 до 500", nullptr}},
    {"Point_sea", 3, {"от 500 до 750", nullptr}},
    {"Point_sea", 4, {"от 750 до 1000", nullptr}},
    {"Label1", -1, {"Напряжение:", nullptr}},
    {"Volt_vent", 0, {"~230 В", nullptr}},
    {"Volt_vent", 1, {"~115 В", nullptr}},
    {"GroupBox1", -1, {"Список оборудования", nullptr}},
    {"Button1", -1, {"Создать спецификацию", nullptr}},
    {"Button2", -1, {"Экспорт в отчет", nullptr}},
}};

// No fan for the air flow: prefix, the flow in whole m³/h, suffix.
inline constexpr Text kNoSolutionPrefix{"Для воздушного потока в ", "For air flow "};
inline constexpr Text kNoSolutionSuffix{" решение отсутствует!", " m3/hour is not solution!"};

// Create pressed before an altitude was chosen.
inline constexpr Text kChooseAltitude{"Выберите высоту над уровнем моря!",
                                      "Please, choose the altitude above sea level!"};

}  // namespace vent_texts

// ---------------------------------------------------------------------------------------
// Cooling-unit window: texts in the language of the moment it opens.
namespace cool_texts {

// Voltage items by supply variant: 230 V single phase, 400 V two phases, 400/440 V three
// phases. Activation picks them first, then sets the table below.
inline constexpr std::array<Text, 3> kVoltage{{
    {"~230 В", "~230 Vac"},
    {"~400 В, 2 фазы", "~400 Vac, 2 ph"},
    {"~400/440 В, 3 фазы", "~400/440 Vac, 3 ph"},
}};

// The texts that every activation sets, in the order it sets them.
inline constexpr std::array<TextEntry, 9> kActivationTable{{
    {"caption", -1, {"Подбор кондиционера", "Choosing of cooler"}},
    {"GroupBox6", -1, {"Основные параметры", "Basic parametrs"}},
    {"Label2", -1, {"Тип кондиционера:", "Type of coolers:"}},
    {"Label1", -1, {"Напряжение:", "Voltage:"}},
    {"GroupBox1", -1, {"Список оборудования", "Specification"}},
    {"Button1", -1, {"Создать спецификацию", "Create specification"}},
    {"Button2", -1, {"Экспорт в отчет", "Save into report"}},
    {"Type_cool", 0, {"Навесной", "Wall"}},
    {"Type_cool", 1, {"Потолочный", "Roof"}},
}};

// The voltage items the window is built with, before the first activation replaces them.
inline constexpr std::array<const char *, 3> kDesignVoltage{"~ 230 В", "~ 400 В, 2 фазы",
                                                            "~ 400/440 В, 3 фазы"};

// The message for a cooling power no unit of the range can deliver, around the power in
// watts.
inline constexpr Text kNoSolutionBefore{"Для мощности в ", "For power "};
inline constexpr Text kNoSolutionAfter{" Вт, решение отсутствует!", " W is not solution!"};

}  // namespace cool_texts

// ---------------------------------------------------------------------------------------
// Save window: Russian only.
namespace save_texts {

inline constexpr std::array<TextEntry, 4> kActivationTable{{
    {"caption", -1, {"Сохранение отчета", nullptr}},
    {"GroupBox6", -1, {"Сохранить отчет в", nullptr}},
    {"Button1", -1, {"В файл TXT", nullptr}},
    {"Button2", -1, {"В файл EXCEl", nullptr}},
}};

}  // namespace save_texts

// ---------------------------------------------------------------------------------------
// About window: Russian only.
namespace about_texts {

// The caption of both about windows.
inline constexpr const char *kCaption = "О программе";
// The only text of the about window that nothing opens.
inline constexpr const char *kFormText = "StaticText1";
inline constexpr std::array<TextEntry, 5> kLines{{
    {"StaticText1",
     -1,
     {"Все предложенные комбинации и спецификации оборудования являются только рекомендациями.",
      nullptr}},
    {"StaticText2",
     -1,
     {"Методика расчета теплового баланса шкафа изложена в каталоге Tervax, который можно "
      "скачать на сайте компании.",
      nullptr}},
    {"StaticText3",
     -1,
     {"По вопросам работы с конфигуратором обращайтесь к представителям Tervax в вашем регионе "
      "или по телефону горячей линии.",
      nullptr}},
    // %1 is the program's version.
    {"StaticText4",
     -1,
     {"Конфигуратор версии %1. Техническая поддержка: support@tervax.example", nullptr}},
    {"StaticText5", -1, {"© Tervax, 2026", nullptr}},
}};

}  // namespace about_texts

// The caption of the total window that nothing opens.
inline constexpr const char *kTotalCaption = "Итоговая спецификация";

// ---------------------------------------------------------------------------------------
// Tooltips of the main window's suggestion texts: the figures behind the decision. Each "{}"
// takes one number, in order.
namespace note_texts {

inline constexpr Text kSurface{"Эффективная площадь поверхности S: {} м²",
                               "Effective surface S: {} m²"};
inline constexpr Text kCoefficient{"Коэффициент теплопередачи K: {} Вт/(м²·К)",
                                   "Heat-transfer coefficient K: {} W/(m²·K)"};
// Held once for the maximum and once for the minimum ambient temperature.
inline constexpr Text kInsideWithout{"В шкафу без оборудования при {} °С снаружи: {} °С",
                                     "Inside without equipment at {} °C ambient: {} °C"};
inline constexpr Text kDewPoint{"Точка росы: {} °С", "Dew point: {} °C"};
inline constexpr Text kToHold{"Требуется в шкафу: от {} до {} °С", "To hold inside: {} to {} °C"};
inline constexpr Text kHeating{"Нужна мощность обогрева: {} Вт постоянно, {} Вт периодически",
                               "Heating needed: {} W regular, {} W cycling"};
inline constexpr Text kHeatToRemove{"Нужно отвести тепло: {} Вт", "Heat to remove: {} W"};

}  // namespace note_texts

}  // namespace climate
