#pragma once

// Content is made outside the game, so a missing object, file or component is an error of the
// content, not of the program: the failed condition is reported on standard output with its
// place, and play goes on. The macro yields the condition so that the caller can cope:
//     if (!VELMORA_ASSERT(sprite != nullptr)) return;
#define VELMORA_ASSERT(condition) \
    (static_cast<bool>(condition) \
         ? true                   \
         : (ReportFailedAssertion(#condition, __FILE__, __LINE__), false))

// Prints "Assertion failed: <text>, file <file>, line <line>" as one line on standard output.
void ReportFailedAssertion(const char* text, const char* file, int line);
