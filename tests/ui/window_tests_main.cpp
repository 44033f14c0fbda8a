// The program of the window tests: runs the test class its first argument names.
#include "tests/ui/ui_harness.h"

int main(int argc, char **argv) {
  return testing_ui::RunNamedTests(argc, argv);
}
