#include "protocol/go.h"

// The search arrives in a later step; "go" is accepted and does nothing yet.
void Go_command(Board&) {}
