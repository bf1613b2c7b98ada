#pragma once
// The popup calendar's report: the popup component and the chosen date at midnight.

#include "framework/system/DateUtils.h"

#include <functional>

class TObject;

using TVQCalendarClickEvent = std::function<void(TObject* VQCalendarPopup, TDateTime Date)>;
