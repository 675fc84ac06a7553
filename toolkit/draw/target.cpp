#include "toolkit/draw/target.h"
