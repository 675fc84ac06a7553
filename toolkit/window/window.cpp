#include "toolkit/window/window.h"
