#include "report/xlsx_component.h"
