#pragma once

#include <string>

// Writes the frame just drawn (the back buffer of the current context, before it is
// presented) as an 8-bit RGBA PNG picture. Returns false, with a message on standard error,
// when the file cannot be written.
bool WriteScreenshot(const std::string& file, int width, int height);
