#include "ui/record_mode.h"

bool NewRecordMode = true;
