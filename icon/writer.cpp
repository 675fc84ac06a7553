#include "icon/writer.h"
