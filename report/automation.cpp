#include "report/automation.h"
