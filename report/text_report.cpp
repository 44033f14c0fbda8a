#include "report/text_report.h"
