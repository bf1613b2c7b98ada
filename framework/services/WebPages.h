#pragma once
// Opening a web page in the user's browser. xdg-open is started asynchronously and judged by
// how it ends: a zero exit, or still running when the judging time is up (a launcher that
// stays with its browser), means the page opened; a non-zero exit or no xdg-open at all means
// no browser started. QDesktopServices::openUrl cannot tell: it reports success either way.
// Nothing here waits; the outcome reaches the caller through a callback on the UI thread.

#include "framework/system/Exceptions.h"

#include <functional>

class TComponent;

// Called once with the outcome: true when a browser was started.
using TWebPageDone = std::function<void(bool Opened)>;

// Starts opening Url and returns at once. Done runs later from the event loop (never inside
// this call), guarded like any entry from Qt; it is skipped when Context (optional) has been
// destroyed in the meantime.
void OpenWebPage(const String& Url, TComponent* Context, TWebPageDone Done);

// How long a running launcher is watched before it counts as started (3000 ms). Returns the
// previous value; tests shorten it.
int SetWebPageJudgeTime(int Milliseconds);
