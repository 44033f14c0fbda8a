#include "app/app.h"

int main(int argc, char **argv) {
  return climate::RunConfigurator(argc, argv);
}
