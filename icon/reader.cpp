#include "icon/reader.h"
