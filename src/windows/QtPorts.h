#pragma once
// The Qt adapters of the platform ports, for whoever wants them all at once (the program's
// start). Sound and mail have their own adapters beside these.
#include "windows/QtClock.h"
#include "windows/QtDialogs.h"
#include "windows/QtLocale.h"
#include "windows/QtScreen.h"
#include "windows/QtShell.h"
