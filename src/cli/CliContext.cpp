#include "cli/CliContext.h"
