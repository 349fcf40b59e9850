#pragma once

#include <cstdint>

// The framework's own alerts (alert script 1000, for example 501000002 "The file
// "^0" could not be found."), shown by identifier with at most one parameter for
// "^0". The alert boxes install the function that shows them; until one is
// installed nothing is shown and the answer is 36, the result of an alert
// closed without a button.
using FrameworkAlertFunction = int32_t (*)(uint32_t alertId, const char* parameter);

void SetFrameworkAlertFunction(FrameworkAlertFunction function);
int32_t ShowFrameworkAlert(uint32_t alertId, const char* parameter);

// The alert number of "[STOP]The file "^0" could not be found.[OK]".
constexpr uint32_t kFileNotFoundAlert = 501000002;
