#include "document/tekenset.h"
