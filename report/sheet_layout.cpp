#include "report/sheet_layout.h"
