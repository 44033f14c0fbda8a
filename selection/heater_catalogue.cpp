#include "selection/heater_catalogue.h"
