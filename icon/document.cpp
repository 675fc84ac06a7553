#include "icon/document.h"
