// Standard input as the engine reads it. Every byte passes through one buffer
// of this layer, so the pending-input test can see a line that was already
// drawn from the operating system but not yet handed to the command loop.
#pragma once

// Next byte of standard input, waiting for it if need be; -1 at end of input.
int Input_get();

// The byte Input_get would return next, without taking it; -1 at end of input.
int Input_peek();

// Whether Input_get would return at once: a byte is buffered or waiting in the
// operating system, or the input is closed. Never blocks and never consumes.
bool Input_waiting();
