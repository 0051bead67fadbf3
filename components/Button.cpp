#include "components/Button.h"

// A button is data: the menus read its pictures and identity.
