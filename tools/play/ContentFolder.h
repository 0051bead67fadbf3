#pragma once

#include <string>

// The content folder the tools run in unless they are given one.
namespace ContentFolder {

// The installed game's content folder when the running tool is an installed one (the folder
// stands where the install puts it, relative to the tool), else the content folder of the
// source tree the tool was built from.
std::string Default();

}  // namespace ContentFolder
