#include <QTest>

#include "tests/ui/ui_harness.h"

class Placeholder : public QObject {
  Q_OBJECT
};

UI_TEST_MAIN(Placeholder)
#include "language_test.moc"
