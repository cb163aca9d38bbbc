#include "Batch.h"
