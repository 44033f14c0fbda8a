#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "app/lang.h"

namespace climate {

namespace {

// The toolkit's texts that its own Russian translation lacks (the file dialog's type column,
// for one), from the program's table.
class MissingToolkitTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char *context, const char *source, const char *, int) const override {
    for (const ToolkitText &text : kToolkitTexts) {
      if (qstrcmp(context, text.context) == 0 && qstrcmp(source, text.english) == 0) {
        return QString::fromUtf8(text.russian);
      }
    }
    return {};
  }
};

// Qt's own Russian texts, and the program's for what they lack, with whether each is
// installed.
QPointer<QTranslator> g_toolkit_texts;
bool g_toolkit_texts_installed = false;
QPointer<QTranslator> g_missing_texts;
bool g_missing_texts_installed = false;

// Installs or removes `translator`; it stays installed only while `russian`.
void Use(QTranslator *translator, bool russian, bool &installed) {
  if (russian && !installed) {
    installed = QCoreApplication::installTranslator(translator);
  } else if (!russian && installed) {
    QCoreApplication::removeTranslator(translator);
    installed = false;
  }
}

}  // namespace

void UseToolkitTexts(int32_t t_lang) {
  QCoreApplication *app = QCoreApplication::instance();
  if (app == nullptr) return;
  // Translators that went with an earlier application object.
  if (!g_toolkit_texts) g_toolkit_texts_installed = false;
  if (!g_missing_texts) g_missing_texts_installed = false;
  const bool russian = t_lang == kRussian;
  if (russian && !g_missing_texts) g_missing_texts = new MissingToolkitTexts(app);
  Use(g_missing_texts, russian, g_missing_texts_installed);
  if (russian && !g_toolkit_texts) {
    g_toolkit_texts = new QTranslator(app);
    // Without the translations installed the toolkit keeps its English texts.
    if (!g_toolkit_texts->load(QStringLiteral("qtbase_ru"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete g_toolkit_texts;
      return;
    }
  }
  if (g_toolkit_texts) Use(g_toolkit_texts, russian, g_toolkit_texts_installed);
}

bool ToolkitTextsInstalled() {
  return g_toolkit_texts_installed && g_toolkit_texts;
}

}  // namespace climate
