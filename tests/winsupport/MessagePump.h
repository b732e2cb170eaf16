#pragma once

// Runs PreTranslateMessage and dispatch for every queued message until the
// queue is empty, as the dialog's own loop would.
void PumpMessages();
