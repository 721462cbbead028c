#include "commands/opdracht.h"
