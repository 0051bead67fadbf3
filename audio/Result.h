#pragma once

namespace audio {

// What an operation of the audio layer reports. Ok is 0; every other value is an error whose
// text ErrorText gives.
enum class Result : int {
    Ok = 0,
    InvalidParam = 1,
    InvalidHandle = 2,
    Uninitialized = 3,
    Initialized = 4,
    OutputInit = 5,
    FileNotFound = 6,
    Format = 7,
    FileRead = 8,
    Memory = 9,
    Internal = 10,
};

// The text of an error code; "Unknown error." for a code outside the table.
const char* ErrorText(int code);

}  // namespace audio
