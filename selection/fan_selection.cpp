#include "selection/fan_selection.h"
