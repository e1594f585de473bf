// Includes the folder above, but its row in the table lets it.
#include "high/high.h"
