#include "ui/FrameworkAlert.h"

namespace {

FrameworkAlertFunction gAlertFunction = nullptr;

} // namespace

void SetFrameworkAlertFunction(FrameworkAlertFunction function)
{
    gAlertFunction = function;
}

int32_t ShowFrameworkAlert(uint32_t alertId, const char* parameter)
{
    return gAlertFunction != nullptr ? gAlertFunction(alertId, parameter) : 36;
}
