#include "components/WinController.h"

// The win sequence runs on messages; until they arrive the controller only carries its values.
