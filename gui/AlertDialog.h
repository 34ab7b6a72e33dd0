#pragma once
// The alert box once the screen is up: the alert's lines centred in a modal box titled "Alert"
// with one button ("OK" unless the alert names one; "&" marks its key). The button, its key,
// Enter, Space or Escape close it. Drawn with the toolkit's own widgets, in the spirit of the
// message box; the dialog beneath is redrawn when it closes.

#include "core/Alert.h"

// Makes the alert seam present alerts in the alert dialog (InitGuiFont does this).
void InstallAlertDialog();

// Shows one alert and waits for its button. Does nothing without a screen, or while an alert is
// already showing (an alert raised by drawing the alert itself is only written to standard error).
void RunAlertDialog(const AlertMessage& message);
