#include "selection/cooler_selection.h"
