#include "icon/replace_file.h"
