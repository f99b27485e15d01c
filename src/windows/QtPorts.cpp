#include "windows/QtPorts.h"
