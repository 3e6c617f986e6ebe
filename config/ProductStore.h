// The option store that both deliverables share: ProductKey under
// HKEY_CURRENT_USER, one store (and so one process-wide state) per process.
#pragma once
#include "config/OptionStore.h"

TOptionStore& ProductOptionStore();
