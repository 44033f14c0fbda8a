#include "selection/heater_selection.h"
